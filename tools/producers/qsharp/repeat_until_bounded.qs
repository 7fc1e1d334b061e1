// profiles: adaptive
// deterministic: no
// A bounded repeat-until-success loop: up to three attempts at producing One, tracked by a
// mutable Bool (Boolean phis in the QIR, since the loop is unrolled).
operation Main() : Result[] {
    use (q, flag) = (Qubit(), Qubit());
    mutable done = false;
    for _ in 1..3 {
        if not done {
            Ry(1.0, q);
            set done = MResetZ(q) == One;
        }
    }
    if done { X(flag); }
    [MResetZ(flag)]
}
