// profiles: adaptive
// deterministic: yes
// Measure-and-flip reset of a superposed qubit and of an entangled pair: every qubit ends in
// Zero.
operation Main() : Result[] {
    use (a, b) = (Qubit(), Qubit());
    H(a);
    CNOT(a, b);
    Ry(0.3, b);
    if M(a) == One { X(a); }
    if M(b) == One { X(b); }
    [M(a), M(b)]
}
