// profiles: base adaptive_ri adaptive_rif adaptive
// deterministic: yes
// A ripple-carry adder of two 3-bit numbers (5 + 3) with Toffoli-based carries, written with
// loops over qubit arrays: the sum register reads 8 (0001 least significant first).
operation Carry(c : Qubit, a : Qubit, b : Qubit, cout : Qubit) : Unit is Adj {
    CCNOT(a, b, cout);
    CNOT(a, b);
    CCNOT(c, b, cout);
}

operation Sum(c : Qubit, a : Qubit, b : Qubit) : Unit is Adj {
    CNOT(a, b);
    CNOT(c, b);
}

operation Main() : Result[] {
    use (a, b, carries) = (Qubit[3], Qubit[4], Qubit[3]);
    X(a[0]);
    X(a[2]);
    X(b[0]);
    X(b[1]);
    // carries[0] is the incoming carry (zero); carries[i + 1] the carry out of bit i.
    for i in 0..2 {
        Carry(carries[i], a[i], b[i], i < 2 ? carries[i + 1] | b[3]);
    }
    CNOT(a[2], b[2]);
    Sum(carries[2], a[2], b[2]);
    for i in 1..-1..0 {
        Adjoint Carry(carries[i], a[i], b[i], carries[i + 1]);
        Sum(carries[i], a[i], b[i]);
    }
    let results = MResetEachZ(b);
    ResetAll(a + carries);
    results
}
