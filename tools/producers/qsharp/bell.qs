// profiles: base adaptive
// deterministic: no
// A Bell pair: H and CNOT, both qubits measured.
operation Main() : Result[] {
    use (a, b) = (Qubit(), Qubit());
    H(a);
    CNOT(a, b);
    [MResetZ(a), MResetZ(b)]
}
