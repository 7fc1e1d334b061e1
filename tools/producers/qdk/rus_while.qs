// profiles: adaptive
// deterministic: no
// Repeat-until-success with a measurement-dependent while loop (backward branches): prepares
// a state on a target by measuring an ancilla until it reads Zero, at most eight attempts.
// Returns the attempts and the target's result.
operation Main() : (Int, Result) {
    use (anc, target) = (Qubit(), Qubit());
    mutable attempts = 0;
    mutable success = false;
    while not success and attempts < 8 {
        set attempts += 1;
        H(anc);
        T(anc);
        CNOT(anc, target);
        H(anc);
        if MResetZ(anc) == Zero {
            set success = true;
        } else {
            Reset(target);
        }
    }
    (attempts, MResetZ(target))
}
