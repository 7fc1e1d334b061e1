// profiles: base adaptive
// deterministic: no
// Rxx, Ryy and Rzz with several angles, between single-qubit rotations that make each of them
// (and the sign of its angle) visible in the Z-basis statistics.
operation Main() : Result[] {
    use qs = Qubit[3];
    Rxx(0.8, qs[0], qs[1]);
    Ry(0.5, qs[2]);
    Ryy(-1.3, qs[1], qs[2]);
    H(qs[0]);
    Rzz(2.1, qs[0], qs[2]);
    H(qs[0]);
    Rx(0.4, qs[1]);
    Rxx(-0.35, qs[2], qs[0]);
    S(qs[1]);
    Ryy(0.9, qs[0], qs[1]);
    Rzz(-0.6, qs[1], qs[2]);
    H(qs[2]);
    MResetEachZ(qs)
}
