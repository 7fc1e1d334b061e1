// profiles: adaptive
// deterministic: no
// Returns an Int (a count of One results) and a Bool beside the results: the program records
// them with int_record_output and bool_record_output. Only the results are compared.
operation Main() : (Result[], Int, Bool) {
    use qs = Qubit[3];
    H(qs[0]);
    Ry(2.0, qs[1]);
    mutable ones = 0;
    mutable results = [];
    for i in 0..1 {
        let r = M(qs[i]);
        set results += [r];
        if r == One { set ones += 1; }
    }
    if ones == 1 { X(qs[2]); }
    set results += [M(qs[2])];
    ResetAll(qs);
    (results, ones, ones == 2)
}
