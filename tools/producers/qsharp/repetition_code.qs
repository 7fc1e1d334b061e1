// profiles: adaptive
// deterministic: yes
// Three-qubit bit-flip code: encode One, apply a partial X error on one data qubit, measure the
// two parity syndromes with ancillas and correct; the decoded logical value is always One.
operation Main() : Result[] {
    use (data, anc) = (Qubit[3], Qubit[2]);
    X(data[0]);
    CNOT(data[0], data[1]);
    CNOT(data[0], data[2]);
    Rx(1.0, data[1]);
    CNOT(data[0], anc[0]);
    CNOT(data[1], anc[0]);
    CNOT(data[1], anc[1]);
    CNOT(data[2], anc[1]);
    let s0 = MResetZ(anc[0]);
    let s1 = MResetZ(anc[1]);
    if s0 == One and s1 == Zero { X(data[0]); }
    if s0 == One and s1 == One { X(data[1]); }
    if s0 == Zero and s1 == One { X(data[2]); }
    CNOT(data[0], data[2]);
    CNOT(data[0], data[1]);
    let r = [MResetZ(data[0]), MResetZ(data[1]), MResetZ(data[2])];
    r
}
