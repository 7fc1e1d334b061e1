// profiles: adaptive
// deterministic: no
// An integer counter of One results (a mutable Int in Q#, integer phis in the QIR) decides a
// correction: the last qubit is flipped when at least two of three results are One.
operation Main() : Result[] {
    use qs = Qubit[4];
    H(qs[0]);
    Ry(1.2, qs[1]);
    Ry(2.2, qs[2]);
    mutable ones = 0;
    mutable results = [];
    for i in 0..2 {
        let r = M(qs[i]);
        set results += [r];
        if r == One { set ones += 1; }
    }
    if ones >= 2 { X(qs[3]); }
    set results += [M(qs[3])];
    ResetAll(qs);
    results
}
