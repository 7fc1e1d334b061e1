// profiles: adaptive
// deterministic: yes
// Teleportation of Ry(1.1)|0> with measurement-conditioned X and Z corrections; undoing the
// rotation on the receiving qubit always gives Zero.
operation Main() : Result[] {
    use (msg, alice, bob) = (Qubit(), Qubit(), Qubit());
    Ry(1.1, msg);
    H(alice);
    CNOT(alice, bob);
    CNOT(msg, alice);
    H(msg);
    if M(alice) == One { X(bob); }
    if M(msg) == One { Z(bob); }
    Ry(-1.1, bob);
    let r = M(bob);
    ResetAll([msg, alice, bob]);
    [r]
}
