// profiles: adaptive_rif adaptive
// deterministic: yes
// Iterative phase estimation of the phase 11/16 of a phase gate with four bits, one control
// qubit reused; the feedback angle is a Double accumulated from the bits already measured.
// Returns the bits, the estimate as an Int and as a Double.
import Std.Math.*;
import Std.Convert.*;

operation Main() : (Result[], Int, Double) {
    use (ctl, target) = (Qubit(), Qubit());
    X(target);
    let phase = 11.0 / 16.0;
    mutable bits = [];
    mutable estimate = 0;
    mutable feedback = 0.0;
    for k in 3..-1..0 {
        H(ctl);
        Controlled R1([ctl], (2.0 * PI() * phase * IntAsDouble(1 <<< k), target));
        R1(-feedback, ctl);
        H(ctl);
        let r = MResetZ(ctl);
        set bits += [r];
        if r == One {
            set estimate += 1 <<< (3 - k);
        }
        // The next round's feedback: the measured bits so far, shifted one place.
        set feedback = 2.0 * PI() * IntAsDouble(estimate) / IntAsDouble(1 <<< (5 - k));
    }
    Reset(target);
    (bits, estimate, IntAsDouble(estimate) / 16.0)
}
