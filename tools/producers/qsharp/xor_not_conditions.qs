// profiles: adaptive
// deterministic: no
// Conditions with `not`, inequality of two results (an xor) and equality of two results.
operation Main() : Result[] {
    use qs = Qubit[5];
    H(qs[0]);
    Ry(0.8, qs[1]);
    let r0 = M(qs[0]);
    let r1 = M(qs[1]);
    if r0 != r1 { X(qs[2]); }
    if not (r0 == One) { X(qs[3]); }
    if r0 == r1 { Ry(0.5, qs[4]); } else { Ry(2.5, qs[4]); }
    let results = [r0, r1, M(qs[2]), M(qs[3]), M(qs[4])];
    ResetAll(qs);
    results
}
