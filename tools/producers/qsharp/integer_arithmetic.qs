// profiles: adaptive
// deterministic: no
// A result-dependent integer built with multiplication, addition and subtraction, then
// compared: the binary number r0 r1 r2 minus 2 selects a correction.
operation Main() : Result[] {
    use qs = Qubit[4];
    H(qs[0]);
    H(qs[1]);
    Ry(1.0, qs[2]);
    mutable value = 0;
    mutable results = [];
    for i in 0..2 {
        let r = M(qs[i]);
        set results += [r];
        set value = 2 * value + (r == One ? 1 | 0);
    }
    if value - 2 > 2 { X(qs[3]); }
    set results += [M(qs[3])];
    ResetAll(qs);
    results
}
