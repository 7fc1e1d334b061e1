// profiles: adaptive_ri adaptive_rif adaptive
// deterministic: no
// Integer work on measured bits: packs five results into an Int (ResultArrayAsInt), counts the
// ones, computes a parity, compares against thresholds and picks a correction from the packed
// value modulo 3. Returns the packed value, the count, the parity and the last result.
import Std.Convert.*;

operation Main() : (Int, Int, Bool, Result) {
    use (qs, out) = (Qubit[5], Qubit());
    for i in 0..4 {
        Ry(0.3 * IntAsDouble(i + 1), qs[i]);
    }
    let results = MResetEachZ(qs);
    let packed = ResultArrayAsInt(results);
    mutable ones = 0;
    mutable parity = false;
    for r in results {
        if r == One {
            set ones += 1;
            set parity = not parity;
        }
    }
    if packed % 3 == 1 {
        X(out);
    } elif packed >= 20 and ones <= 3 {
        H(out);
    }
    (packed, ones, parity, MResetZ(out))
}
