// profiles: adaptive
// deterministic: no
// A counter's value is kept (`let before = n`) and used after a later conditional update of
// the counter: the correction must see the value from before the update.
operation Main() : Result[] {
    use qs = Qubit[3];
    H(qs[0]);
    H(qs[1]);
    mutable n = 0;
    let r0 = M(qs[0]);
    if r0 == One { set n += 1; }
    let before = n;
    let r1 = M(qs[1]);
    if r1 == One { set n += 5; }
    if before == 1 { X(qs[2]); }
    let results = [r0, r1, M(qs[2])];
    ResetAll(qs);
    results
}
