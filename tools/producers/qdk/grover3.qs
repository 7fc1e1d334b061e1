// profiles: base adaptive_ri adaptive_rif adaptive
// deterministic: no
// Grover search over three qubits for the marked item 101, two iterations, with the oracle and
// the diffusion written as a doubly controlled Z inside within-apply blocks; the marked item
// is found with probability about 0.945.
operation Oracle(qs : Qubit[]) : Unit {
    within {
        X(qs[1]);
    } apply {
        Controlled Z([qs[0], qs[1]], qs[2]);
    }
}

operation Diffuse(qs : Qubit[]) : Unit {
    within {
        ApplyToEachA(H, qs);
        ApplyToEachA(X, qs);
    } apply {
        Controlled Z(qs[0..1], qs[2]);
    }
}

operation Main() : Result[] {
    use qs = Qubit[3];
    ApplyToEach(H, qs);
    for _ in 1..2 {
        Oracle(qs);
        Diffuse(qs);
    }
    MResetEachZ(qs)
}
