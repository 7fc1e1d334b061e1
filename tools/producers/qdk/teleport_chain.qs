// profiles: adaptive_ri adaptive_rif adaptive
// deterministic: yes
// Teleports Rx(0.9)|0> twice along a chain of five qubits, with the X and Z corrections of each
// hop conditioned on the hop's measurements; undoing the preparation on the last qubit always
// gives Zero.
operation Teleport(msg : Qubit, alice : Qubit, bob : Qubit) : Unit {
    H(alice);
    CNOT(alice, bob);
    CNOT(msg, alice);
    H(msg);
    if MResetZ(alice) == One { X(bob); }
    if MResetZ(msg) == One { Z(bob); }
}

operation Main() : Result {
    use qs = Qubit[5];
    Rx(0.9, qs[0]);
    Teleport(qs[0], qs[1], qs[2]);
    Teleport(qs[2], qs[3], qs[4]);
    Rx(-0.9, qs[4]);
    MResetZ(qs[4])
}
