// profiles: adaptive
// deterministic: yes
// Iterative (one control qubit, reused) phase estimation of the phase 5/8 of a Z rotation,
// with Rz feedback conditioned on the bits already measured.
import Std.Math.*;
import Std.Convert.*;

operation Main() : Result[] {
    use (ctl, target) = (Qubit(), Qubit());
    X(target);
    mutable bits = [];
    // Bits of 0.101 (binary), least significant first.
    for k in [2, 1, 0] {
        H(ctl);
        // Controlled U^(2^k) with U = diag(1, e^{2 pi i 5/8}) on |1>: a phase on the control.
        R1(2.0 * PI() * 5.0 / 8.0 * IntAsDouble(1 <<< k), ctl);
        for j in 0..Length(bits) - 1 {
            if bits[j] == One {
                R1(-2.0 * PI() / IntAsDouble(1 <<< (Length(bits) - j + 1)), ctl);
            }
        }
        H(ctl);
        set bits += [MResetZ(ctl)];
    }
    Reset(target);
    bits
}
