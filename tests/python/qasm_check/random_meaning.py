"""The randomized meaning check: a generated QIR program (random_qir.py) is translated, the
translation is checked for the service's dialect (dialect.py) and simulated with qdk, the QIR
is run on qirrunner, and the statistics of the recorded result bits are compared with the
G-test of homogeneity.

False alarms: a program fails when p < alpha. Under the hypothesis that the translation means
what the QIR means, p is (close to) uniform, so a run of n programs raises a false alarm with
probability about n * alpha. `alpha_for(n)` gives the per-program level for a family-wise
false-alarm rate of FAMILY_ALPHA per run. Outcomes that fewer than POOL_BELOW shots of both
samples together show are pooled into one category first, where the chi-square approximation
of G is poor; an outcome that only one simulator produces still counts when it is frequent.

`check(seed, alpha, extended=True)` does the same for the extended generator
(random_extended.py) in the translator's extended mode, with the service-safe dialect rules,
and runs qdk in a child process with a time limit (a wrong translation of a loop may not end).
Its programs' tags are the features they use; no known fault explains their failures.
"""

from __future__ import annotations

import multiprocessing
from dataclasses import dataclass, field

from brintavel import BrintavelError, translate_module

from . import random_extended
from .dialect import Finding, check_dialect
from .random_qir import STALE_READ, UNMEASURED_READ, Program, generate
from .reference import run_reference
from .simulate import SimulationError, simulate_counts
from .stats import g_test_homogeneity

FAMILY_ALPHA = 1e-3
POOL_BELOW = 10
SHOTS = 1000
# qdk's shot k uses the seed S + k: the translation runs with a seed far from the program's.
SEED_OFFSET = 0x5EED
SIMULATION_SECONDS = 10  # the time limit of a simulation in the extended check


def alpha_for(programs: int) -> float:
    return FAMILY_ALPHA / max(programs, 1)


# The translator faults being fixed now; a failure they explain is expected until then.
KNOWN_FAULTS = {
    STALE_READ: "stale read: a value read from a result before the result was measured again "
    "is written as a read of the bit, which by then holds the new outcome",
    UNMEASURED_READ: "a result read before anything was measured into it (Zero in QIR) is "
    "written as a read of a bit nothing has set",
}


@dataclass
class Outcome:
    program: Program
    status: str  # "refused", "passed" or "failed"
    message: str = ""  # the refusal message, or qdk's complaint
    qasm: str | None = None
    warnings: tuple[str, ...] = ()  # the translation's
    dialect: list[Finding] = field(default_factory=list)
    p: float | None = None
    g_test: str = ""
    reference: dict[str, int] | None = None
    simulated: dict[str, int] | None = None
    statistics_differ: bool = False
    extended: bool = False

    def problems(self) -> list[tuple[str, str | None]]:
        """(what failed, the known fault that explains it or None)."""
        tags = set() if self.extended else self.program.tags
        found: list[tuple[str, str | None]] = []
        if self.status == "failed" and self.message:
            found.append((f"simulation failed: {self.message}", None))
        if self.statistics_differ:
            found.append((self.g_test, STALE_READ if STALE_READ in tags else None))
        for finding in self.dialect:
            known = UNMEASURED_READ if finding.rule == "unset-read" and UNMEASURED_READ in tags else None
            found.append((f"dialect: {finding}", known))
        return found


def pooled(a: dict[str, int], b: dict[str, int], below: int = POOL_BELOW) -> tuple[dict[str, int], dict[str, int]]:
    """The two samples with every outcome seen fewer than `below` times in both together
    merged into one category, "rare"."""
    rare = {k for k in set(a) | set(b) if a.get(k, 0) + b.get(k, 0) < below}
    if len(rare) < 2:
        return a, b

    def pool(counts: dict[str, int]) -> dict[str, int]:
        out = {k: v for k, v in counts.items() if k not in rare}
        out["rare"] = sum(v for k, v in counts.items() if k in rare)
        return out

    return pool(a), pool(b)


def check(seed: int, alpha: float, shots: int = SHOTS, extended: bool = False) -> Outcome:
    """Generates the program of `seed`, translates it and compares (see the module doc)."""
    program = random_extended.generate(seed) if extended else generate(seed)
    try:
        translation = translate_module(program.qir, extended=extended)
    except BrintavelError as error:
        return Outcome(program, "refused", str(error), extended=extended)
    qasm = translation.program
    warnings = tuple(w.message for w in translation.warnings)
    dialect = check_dialect(qasm, service_safe=extended)
    if warnings:
        # The translation says that an angle is left to the service's evaluation.
        dialect = [f for f in dialect if f.rule != "measured-angle"]
    outcome = Outcome(program, "passed", qasm=qasm, warnings=warnings, dialect=dialect, extended=extended)
    outcome.reference, _ = run_reference(program.reference_qir, shots, seed)
    simulate = simulate_in_child if extended else simulate_counts
    try:
        outcome.simulated = simulate(qasm, shots, seed + SEED_OFFSET, program.recorded)
    except SimulationError as error:
        outcome.status, outcome.message = "failed", str(error)
        return outcome
    g, df, p = g_test_homogeneity(*pooled(outcome.reference, outcome.simulated))
    outcome.p = p
    outcome.g_test = (f"G = {g:.1f}, df = {df}, p = {p:.2g} (alpha {alpha:.2g}); "
                      f"qirrunner {outcome.reference}, qdk {outcome.simulated}")
    outcome.statistics_differ = p < alpha
    if outcome.statistics_differ or outcome.dialect:
        outcome.status = "failed"
    return outcome


def _simulate_and_send(connection, *arguments) -> None:
    try:
        connection.send(("counts", simulate_counts(*arguments)))
    except SimulationError as error:
        connection.send(("error", str(error)))
    except BaseException as error:  # anything else, reported in the parent
        connection.send(("error", f"{type(error).__name__}: {error}"))


def simulate_in_child(qasm: str, shots: int, seed: int, bits, seconds: float = SIMULATION_SECONDS) -> dict[str, int]:
    """simulate_counts in a forked child, stopped after `seconds`."""
    context = multiprocessing.get_context("fork")
    receiver, sender = context.Pipe(duplex=False)
    child = context.Process(target=_simulate_and_send, args=(sender, qasm, shots, seed, list(bits)))
    child.start()
    sender.close()
    try:
        if not receiver.poll(seconds):
            raise SimulationError(f"qdk: no result in {seconds} s (a loop that does not end?)")
        kind, value = receiver.recv()
    except EOFError:
        raise SimulationError(f"qdk: the simulation ended without a result (exit code {child.exitcode})") from None
    finally:
        if child.is_alive():
            child.kill()
        child.join()
        receiver.close()
    if kind == "error":
        raise SimulationError(value)
    return value
