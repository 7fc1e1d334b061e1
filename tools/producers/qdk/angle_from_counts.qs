// profiles: adaptive_rif adaptive
// deterministic: no
// Floating-point work: the number of ones among four measured qubits sets a rotation angle
// (pi over the count plus one, and an arcsine-free square-root form), applied to a fresh
// qubit; returns the results, the angle as a Double and the rotated qubit's result.
import Std.Math.*;
import Std.Convert.*;

operation Main() : (Result[], Double, Result) {
    use (qs, target) = (Qubit[4], Qubit());
    ApplyToEach(H, qs);
    let results = MResetEachZ(qs);
    mutable count = 0;
    for r in results {
        if r == One { set count += 1; }
    }
    let angle = PI() / IntAsDouble(count + 1) + 0.1 * Sqrt(IntAsDouble(count));
    Ry(angle, target);
    (results, angle, MResetZ(target))
}
