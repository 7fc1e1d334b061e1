// profiles: adaptive
// deterministic: no
// if/else nested three deep on successive measurement results.
operation Main() : Result[] {
    use qs = Qubit[4];
    H(qs[0]);
    H(qs[1]);
    Ry(0.6, qs[2]);
    let r0 = M(qs[0]);
    if r0 == One {
        let r1 = M(qs[1]);
        if r1 == One {
            X(qs[3]);
        } else {
            let r2 = M(qs[2]);
            if r2 == Zero { H(qs[3]); } else { Ry(2.0, qs[3]); }
        }
    } else {
        Ry(0.4, qs[3]);
    }
    let results = [r0, M(qs[3])];
    ResetAll(qs);
    results
}
