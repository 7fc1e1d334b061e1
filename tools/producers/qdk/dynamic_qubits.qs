// profiles: base adaptive_ri adaptive_rif adaptive
// deterministic: no
// Qubits allocated inside loops and helper operations (each `use` scope ends, so qubits are
// reused): a Bell pair per iteration, measured into an array of pairs.
operation BellPair() : (Result, Result) {
    use (a, b) = (Qubit(), Qubit());
    H(a);
    CNOT(a, b);
    (MResetZ(a), MResetZ(b))
}

operation Main() : (Result, Result)[] {
    mutable pairs = [];
    for _ in 1..3 {
        set pairs += [BellPair()];
    }
    use (q, p) = (Qubit(), Qubit());
    Rx(2.0, q);
    set pairs += [(MResetZ(q), MResetZ(p))];
    pairs
}
