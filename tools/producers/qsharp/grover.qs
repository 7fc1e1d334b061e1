// profiles: base adaptive
// deterministic: yes
// Grover search over two qubits for the marked item 01: one iteration finds it with certainty.
operation Main() : Result[] {
    use qs = Qubit[2];
    ApplyToEach(H, qs);
    // Oracle: phase flip of |01>.
    X(qs[0]);
    CZ(qs[0], qs[1]);
    X(qs[0]);
    // Diffusion.
    ApplyToEach(H, qs);
    ApplyToEach(X, qs);
    CZ(qs[0], qs[1]);
    ApplyToEach(X, qs);
    ApplyToEach(H, qs);
    MResetEachZ(qs)
}
