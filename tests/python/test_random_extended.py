"""Generated programs of the extended constructs mean, in the extended mode, what their QIR means.

Each seed gives a QIR program (qasm_check/random_extended.py) that mixes integers packed from
measured bits at 8 to 64 bits, bit operations, wrapping arithmetic, signed and unsigned
comparisons, division, angles computed at run time, phis with several predecessors, counted
loops, calls of functions defined in the module, barriers and stack memory. Its translation
(translate(text, extended=True)) must keep to the service's dialect, the service-safe rules
included (a rotation angle the translation warns about excepted), and, simulated with qdk,
give the statistics qirrunner gives for the QIR. Programs
the translator refuses are skipped with its message (pytest counts them; -rs lists them), after
their QIR is run on qirrunner, so that every generated program is checked to be one it runs.
The report of many more seeds, grouped by feature: tools/random_meaning.py --extended.
"""

from collections import Counter

import pytest

from qasm_check.random_extended import FEATURES, generate
from qasm_check.random_meaning import alpha_for, check, simulate_in_child
from qasm_check.reference import run_reference
from qasm_check.simulate import SimulationError

SEEDS = range(300)
ALPHA = alpha_for(len(SEEDS))


@pytest.mark.parametrize("seed", SEEDS)
def test_extended_program_means_what_its_qir_means(seed):
    outcome = check(seed, ALPHA, extended=True)
    if outcome.status == "refused":
        run_reference(outcome.program.reference_qir, 10, seed)
        pytest.skip(f"refused: {outcome.message}")
    problems = [what for what, _ in outcome.problems()]
    assert not problems, "\n".join([*problems, outcome.program.qir, outcome.qasm])


FEATURE_SHARES = {
    # (feature tag, the share of the programs above that have it at least)
    "pack": 0.4, "bitops": 0.2, "shift62": 0.06, "width": 0.3, "overflow": 0.4, "unsigned": 0.25,
    "division": 0.2, "measured-divisor": 0.1, "angle": 0.4, "fcmp": 0.05, "fptosi": 0.04,
    "double-select": 0.04, "phi": 0.2, "swap": 0.1, "loop": 0.5, "measured-bound": 0.15,
    "accumulate": 0.15, "near-max": 0.15, "call": 0.2, "multi-return": 0.15, "barrier": 0.1,
    "memory": 0.1, "memory-loop": 0.1, "branch": 0.1, "rus": 0.04, "stale-read": 0.05,
}


def test_the_generated_programs_cover_the_features():
    assert set(FEATURE_SHARES) == set(FEATURES)
    seen = Counter(tag for seed in SEEDS for tag in generate(seed).tags)
    short = {f: seen[f] / len(SEEDS) for f, share in FEATURE_SHARES.items() if seen[f] < share * len(SEEDS)}
    assert not short, short


def test_a_simulation_that_does_not_end_is_stopped():
    endless = "OPENQASM 3.0;\nqubit[1] q;\nbit[1] c;\nint n = 0;\nwhile (n >= 0) {\n  n = n + 1;\n}\n"
    with pytest.raises(SimulationError, match="no result in 1 s"):
        simulate_in_child(endless, 10, 1, [0], seconds=1)
    assert simulate_in_child("OPENQASM 3.0;\nqubit[1] q;\nbit[1] c;\nx q[0];\nc[0] = measure q[0];\n", 5, 1, [0]) \
        == {"1": 5}
