// profiles: adaptive_ri adaptive_rif adaptive
// deterministic: no
// Three rounds of syndrome extraction on a distance-3 bit-flip code with a noisy-looking
// rotation on a data qubit before each round; each round decodes its two syndrome bits with a
// switch-like chain of conditions and corrects. Returns the decoded data bits and the number
// of corrections applied.
import Std.Convert.*;

operation Main() : (Result[], Int) {
    use (data, anc) = (Qubit[3], Qubit[2]);
    X(data[0]);
    CNOT(data[0], data[1]);
    CNOT(data[0], data[2]);
    mutable corrections = 0;
    for round in 0..2 {
        Rx(0.4 * IntAsDouble(round + 1), data[round]);
        CNOT(data[0], anc[0]);
        CNOT(data[1], anc[0]);
        CNOT(data[1], anc[1]);
        CNOT(data[2], anc[1]);
        let s0 = MResetZ(anc[0]);
        let s1 = MResetZ(anc[1]);
        let syndrome = (s0 == One ? 1 | 0) + 2 * (s1 == One ? 1 | 0);
        if syndrome == 1 {
            X(data[0]);
            set corrections += 1;
        } elif syndrome == 3 {
            X(data[1]);
            set corrections += 1;
        } elif syndrome == 2 {
            X(data[2]);
            set corrections += 1;
        }
    }
    (MResetEachZ(data), corrections)
}
