// profiles: base adaptive
// deterministic: no
// CNOT, CY, CZ and SWAP between rotated qubits, so that control and target order, the phase
// of CY and the symmetry of CZ all show in the statistics.
operation Main() : Result[] {
    use qs = Qubit[4];
    Ry(1.1, qs[0]);
    Ry(0.4, qs[1]);
    H(qs[2]);
    CNOT(qs[0], qs[1]);
    CY(qs[1], qs[2]);
    H(qs[3]);
    CZ(qs[3], qs[2]);
    H(qs[2]);
    SWAP(qs[0], qs[3]);
    CY(qs[3], qs[0]);
    Rx(0.7, qs[0]);
    CNOT(qs[2], qs[0]);
    H(qs[3]);
    MResetEachZ(qs)
}
