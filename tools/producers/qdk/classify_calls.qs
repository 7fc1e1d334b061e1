// profiles: adaptive_ri adaptive_rif adaptive
// deterministic: no
// Helper operations and a classical function called from the entry point: each call measures
// two qubits and classifies the pair into a code 0-3 with a chain of conditions (Q# forbids a
// return inside a measurement-dependent branch, so the function has one return point);
// the codes select a correction. Returns both codes and a final result.
function Classify(a : Result, b : Result) : Int {
    mutable code = 0;
    if a == One and b == One {
        set code = 3;
    } elif a == One {
        set code = 2;
    } elif b == One {
        set code = 1;
    }
    code
}

operation Measure2(q1 : Qubit, q2 : Qubit) : Int {
    let a = MResetZ(q1);
    let b = MResetZ(q2);
    Classify(a, b)
}

operation Main() : (Int, Int, Result) {
    use qs = Qubit[5];
    H(qs[0]);
    Ry(1.2, qs[1]);
    H(qs[2]);
    CNOT(qs[2], qs[3]);
    let first = Measure2(qs[0], qs[1]);
    let second = Measure2(qs[2], qs[3]);
    if first + second > 3 {
        X(qs[4]);
    } elif first == second {
        H(qs[4]);
    }
    (first, second, MResetZ(qs[4]))
}
