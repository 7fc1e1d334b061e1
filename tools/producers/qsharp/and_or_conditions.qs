// profiles: adaptive
// deterministic: no
// Corrections conditioned on `and` and `or` of measurement results (short-circuit Boolean
// phis in the QIR).
operation Main() : Result[] {
    use qs = Qubit[5];
    H(qs[0]);
    Ry(1.0, qs[1]);
    Ry(2.0, qs[2]);
    let r0 = M(qs[0]);
    let r1 = M(qs[1]);
    let r2 = M(qs[2]);
    if r0 == One and r1 == One { X(qs[3]); }
    if r1 == Zero or r2 == One { X(qs[4]); }
    if r0 == One and r1 == Zero or r2 == Zero { Ry(0.9, qs[3]); }
    let results = [r0, r1, r2, M(qs[3]), M(qs[4])];
    ResetAll(qs);
    results
}
