// profiles: base adaptive
// deterministic: no
// A five-qubit GHZ state: only 00000 and 11111 can be observed.
operation Main() : Result[] {
    use qs = Qubit[5];
    H(qs[0]);
    for i in 1..4 {
        CNOT(qs[i - 1], qs[i]);
    }
    MResetEachZ(qs)
}
