// profiles: base adaptive_ri adaptive_rif adaptive
// deterministic: yes
// A four-qubit quantum Fourier transform written with controlled R1 rotations in loops, applied
// to the basis state 0101 and undone by its adjoint, then a doubly, a triply and a four-fold
// controlled X; the result is always 11111.
import Std.Math.*;
import Std.Convert.*;

operation Qft(qs : Qubit[]) : Unit is Adj + Ctl {
    let n = Length(qs);
    for i in 0..n - 1 {
        H(qs[i]);
        for j in i + 1..n - 1 {
            Controlled R1([qs[j]], (PI() / IntAsDouble(1 <<< (j - i)), qs[i]));
        }
    }
}

operation Main() : Result[] {
    use (qs, target) = (Qubit[4], Qubit());
    X(qs[1]);
    X(qs[3]);
    Qft(qs);
    Adjoint Qft(qs);
    Controlled X([qs[1], qs[3]], qs[0]);
    Controlled X([qs[0], qs[1], qs[3]], qs[2]);
    Controlled X(qs, target);
    MResetEachZ(qs + [target])
}
