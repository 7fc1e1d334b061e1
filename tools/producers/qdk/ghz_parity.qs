// profiles: adaptive_ri adaptive_rif adaptive
// deterministic: no
// A six-qubit GHZ state built with a loop over the register; returns the results, the number
// of ones and whether the parity is even (a tuple of an array, an Int and a Bool).
import Std.Arrays.*;

operation Main() : (Result[], Int, Bool) {
    use qs = Qubit[6];
    H(qs[0]);
    for i in 1..Length(qs) - 1 {
        CNOT(qs[i - 1], qs[i]);
    }
    let results = MResetEachZ(qs);
    mutable ones = 0;
    for r in results {
        if r == One { set ones += 1; }
    }
    (results, ones, ones % 2 == 0)
}
