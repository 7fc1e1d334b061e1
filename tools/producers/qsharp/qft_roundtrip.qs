// profiles: base adaptive
// deterministic: yes
// The quantum Fourier transform of |101> followed by its adjoint, built from controlled R1
// gates (which the compiler decomposes into Rz and CNOT): any wrong angle breaks the round trip.
import Std.Canon.*;

operation Main() : Result[] {
    use qs = Qubit[3];
    X(qs[0]);
    X(qs[2]);
    ApplyQFT(qs);
    Ry(0.0, qs[1]);
    Adjoint ApplyQFT(qs);
    MResetEachZ(qs)
}
