// profiles: base adaptive
// deterministic: yes
// Bernstein-Vazirani with the secret 10110: one query reveals the secret exactly.
operation Main() : Result[] {
    let secret = [true, false, true, true, false];
    use (xs, target) = (Qubit[5], Qubit());
    X(target);
    H(target);
    ApplyToEach(H, xs);
    for i in 0..4 {
        if secret[i] {
            CNOT(xs[i], target);
        }
    }
    ApplyToEach(H, xs);
    Reset(target);
    MResetEachZ(xs)
}
