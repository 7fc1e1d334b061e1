// profiles: base adaptive
// deterministic: no
// Every single-qubit Clifford+T gate, in sequences whose outcome statistics depend on each
// gate and on the direction of S and T (each qubit is rotated out of the Z basis first).
operation Main() : Result[] {
    use qs = Qubit[4];
    H(qs[0]); T(qs[0]); S(qs[0]); H(qs[0]);
    H(qs[1]); Adjoint T(qs[1]); Ry(0.6, qs[1]); Adjoint S(qs[1]); H(qs[1]);
    Ry(0.9, qs[2]); Y(qs[2]); H(qs[2]); T(qs[2]); Rx(0.4, qs[2]); Z(qs[2]); H(qs[2]);
    X(qs[3]); H(qs[3]); S(qs[3]); T(qs[3]); Rx(1.3, qs[3]); Adjoint T(qs[3]); H(qs[3]);
    MResetEachZ(qs)
}
