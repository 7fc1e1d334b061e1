// profiles: base adaptive_ri adaptive_rif adaptive
// deterministic: no
// Teleportation with deferred measurement: the X and Z corrections are controlled gates on
// the sender's qubits, which are measured afterwards; undoing the prepared state Ry(1.3) Rz(0.4)
// on the receiver always gives Zero. Returns a tuple of the receiver's result and the
// sender's two results (uniformly random).
operation Main() : (Result, Result, Result) {
    use (msg, alice, bob) = (Qubit(), Qubit(), Qubit());
    Ry(1.3, msg);
    Rz(0.4, msg);
    H(alice);
    CNOT(alice, bob);
    CNOT(msg, alice);
    H(msg);
    Controlled X([alice], bob);
    Controlled Z([msg], bob);
    Adjoint Rz(0.4, bob);
    Adjoint Ry(1.3, bob);
    let r = MResetZ(bob);
    (r, MResetZ(alice), MResetZ(msg))
}
