// profiles: adaptive
// deterministic: no
// MResetZ and Reset reuse one qubit several times; later preparations depend on earlier
// results.
operation Main() : Result[] {
    use (q, t) = (Qubit(), Qubit());
    Ry(2.0, q);
    let a = MResetZ(q);
    if a == One { H(q); }
    let b = MResetZ(q);
    Ry(0.7, t);
    CNOT(t, q);
    let c = M(q);
    Reset(q);
    if c == Zero { X(q); }
    let d = MResetZ(q);
    let e = MResetZ(t);
    [a, b, c, d, e]
}
