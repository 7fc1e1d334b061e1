// profiles: adaptive
// deterministic: no
// A weighted counter of results (weights 1, 2, 3) compared in several ways.
operation Main() : Result[] {
    use qs = Qubit[6];
    H(qs[0]);
    Ry(1.4, qs[1]);
    Ry(0.7, qs[2]);
    mutable score = 0;
    mutable results = [];
    for i in 0..2 {
        let r = M(qs[i]);
        set results += [r];
        if r == One { set score += i + 1; }
    }
    if score == 3 { X(qs[3]); }
    if score > 3 { X(qs[4]); }
    if score != 0 and score < 5 { H(qs[5]); }
    set results += [M(qs[3]), M(qs[4]), M(qs[5])];
    ResetAll(qs);
    results
}
