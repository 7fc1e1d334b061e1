// profiles: base adaptive
// deterministic: no
// CCNOT and Controlled X with two controls on superposed controls: the target records the
// AND of the controls, and a second Toffoli with swapped controls undoes the first.
operation Main() : Result[] {
    use (a, b, c, d) = (Qubit(), Qubit(), Qubit(), Qubit());
    H(a);
    Ry(1.2, b);
    CCNOT(a, b, c);
    Controlled X([b, a], d);
    CCNOT(b, a, c);
    X(a);
    CCNOT(a, d, c);
    [MResetZ(a), MResetZ(b), MResetZ(c), MResetZ(d)]
}
