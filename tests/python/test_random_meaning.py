"""Generated measurement-conditioned programs mean what their QIR means.

Each seed gives a QIR program (qasm_check/random_qir.py) that measures into the same results
repeatedly, reads them, branches on them, carries them through if-merge counters, diamonds,
short-circuit phis and repeat-until-success loops, and records its results. Its translation
must keep to the service's dialect and, simulated with qdk, give the statistics qirrunner
gives for the QIR (G-test; the per-program level keeps the chance of a false alarm in this
run near 1e-3). Programs the translator refuses (it refuses a read of a result measured into
again on the way to the read) are skipped with its message. More seeds:
tools/random_meaning.py.
"""

from collections import Counter

import pytest

from qasm_check.random_meaning import alpha_for, check
from qasm_check.random_qir import generate

SEEDS = range(300)
ALPHA = alpha_for(len(SEEDS))


@pytest.mark.parametrize("seed", SEEDS)
def test_generated_program_means_what_its_qir_means(seed):
    outcome = check(seed, ALPHA)
    if outcome.status == "refused":
        pytest.skip(f"refused: {outcome.message}")
    problems = [what for what, _ in outcome.problems()]
    assert not problems, "\n".join([*problems, outcome.program.qir, outcome.qasm])


SHAPES = {
    # (text in the QIR, the share of the programs above that have it at least)
    "phi i64": 0.5,  # if-merge counters and 0/1 diamonds
    "phi i1": 0.2,  # short-circuit and/or
    "icmp": 0.3,
    "zext i1": 0.2,
    "select i1": 0.1,
    "xor i1": 0.05,
    "label %loop": 0.1,  # repeat-until-success
    "mresetz": 0.3,
    "read_result": 0.9,
}


def test_the_generated_programs_cover_the_shapes():
    programs = [generate(seed).qir for seed in SEEDS]
    seen = Counter(shape for qir in programs for shape in SHAPES if shape in qir)
    short = {s: seen[s] / len(programs) for s, share in SHAPES.items() if seen[s] < share * len(programs)}
    assert not short, short
