// profiles: base adaptive
// deterministic: yes
// Deutsch-Jozsa with a balanced oracle (the parity of the first and third input bits): the
// input register never reads all zeros; it reads 101.
operation Main() : Result[] {
    use (xs, y) = (Qubit[3], Qubit());
    X(y);
    H(y);
    ApplyToEach(H, xs);
    CNOT(xs[0], y);
    CNOT(xs[2], y);
    ApplyToEach(H, xs);
    Reset(y);
    MResetEachZ(xs)
}
