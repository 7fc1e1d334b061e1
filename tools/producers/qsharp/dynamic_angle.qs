// profiles: adaptive_rif
// deterministic: no
// A rotation angle computed at run time from a measurement count (floating-point computations
// in the QIR).
import Std.Convert.*;

operation Main() : Result[] {
    use qs = Qubit[3];
    H(qs[0]);
    H(qs[1]);
    mutable n = 0;
    if M(qs[0]) == One { set n += 1; }
    if M(qs[1]) == One { set n += 1; }
    Rx(0.5 * IntAsDouble(n) + 0.25, qs[2]);
    let results = [M(qs[0]), M(qs[1]), M(qs[2])];
    ResetAll(qs);
    results
}
