// profiles: adaptive
// deterministic: no
// A mutable Int assigned in both arms of an if/else, then used to choose a correction.
operation Main() : Result[] {
    use qs = Qubit[2];
    H(qs[0]);
    mutable k = 0;
    if M(qs[0]) == One { set k = 3; } else { set k = 7; }
    if k > 5 { X(qs[1]); }
    let results = [M(qs[0]), M(qs[1])];
    ResetAll(qs);
    results
}
