// profiles: base adaptive
// deterministic: no
// Rx, Ry and Rz (and adjoints) with many angle values: positive and negative, tiny, multiples
// of pi and large ones. Every qubit is rotated about all three axes, with CNOTs in between, so
// that each angle and the sign of each kind of rotation change the outcome distribution.
import Std.Math.*;

operation Main() : Result[] {
    use qs = Qubit[3];
    let angles = [0.1, -0.7, 2.5, PI() / 3.0, -PI() / 8.0, 1e-3, 12.375, -3.0, 0.5, 1e-7, 4.71238898, -123.456];
    let n = Length(angles);
    for i in 0..n - 1 {
        let q = qs[i % 3];
        let axis = (i + i / 3) % 3;
        if axis == 0 {
            Rx(angles[i], q);
            Adjoint Ry(angles[(i + 5) % n], q);
        } elif axis == 1 {
            Ry(angles[i], q);
            Adjoint Rz(angles[(i + 7) % n], q);
        } else {
            Rz(angles[i], q);
            Adjoint Rx(angles[(i + 3) % n], q);
        }
        if i % 4 == 3 {
            CNOT(qs[(i / 4) % 3], qs[(i / 4 + 1) % 3]);
        }
    }
    H(qs[2]);
    MResetEachZ(qs)
}
