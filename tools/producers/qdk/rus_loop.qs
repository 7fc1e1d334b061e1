// profiles: adaptive_ri adaptive_rif adaptive
// deterministic: no
// Repeat-until-success: applies a rotation and measures until the result is One, at most five
// attempts (a bounded for loop with a done flag); returns the attempts used and the final
// result of a qubit flipped on success.
operation Main() : (Int, Result) {
    use (q, flag) = (Qubit(), Qubit());
    mutable attempts = 0;
    mutable done = false;
    for _ in 1..5 {
        if not done {
            set attempts += 1;
            Ry(0.8, q);
            set done = MResetZ(q) == One;
        }
    }
    if done { X(flag); }
    (attempts, MResetZ(flag))
}
