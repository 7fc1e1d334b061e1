// profiles: base adaptive
// deterministic: yes
// Textbook phase estimation of the T gate's eigenvalue e^{2 pi i/8} on |1> with three counting
// qubits, using controlled T powers and an inverse QFT: the counting register reads 001
// (little-endian: the first qubit is the least significant bit).
import Std.Canon.*;
import Std.Arrays.*;

operation Main() : Result[] {
    use (counting, eigen) = (Qubit[3], Qubit());
    X(eigen);
    ApplyToEach(H, counting);
    for i in 0..2 {
        for _ in 1..(1 <<< i) {
            Controlled T([counting[i]], eigen);
        }
    }
    Adjoint ApplyQFT(Reversed(counting));
    Reset(eigen);
    MResetEachZ(counting)
}
