// profiles: adaptive
// deterministic: no
// Teleportation of Rx(0.8)|0>, returning Alice's two random results as well as Bob's
// measurement of the teleported state (which is One with probability sin^2(0.4)).
operation Main() : (Result, Result, Result) {
    use (msg, alice, bob) = (Qubit(), Qubit(), Qubit());
    Rx(0.8, msg);
    H(alice);
    CNOT(alice, bob);
    CNOT(msg, alice);
    H(msg);
    let m1 = MResetZ(msg);
    let m2 = MResetZ(alice);
    if m2 == One { X(bob); }
    if m1 == One { Z(bob); }
    (m1, m2, MResetZ(bob))
}
