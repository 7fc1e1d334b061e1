"""Test-side checks of translations.

- simulate.py: `simulate_counts(qasm, shots, seed, bits)` runs a translation (with the gate
  prelude) on the qdk OpenQASM 3 simulator and counts the outcomes of chosen bits of c;
- reference.py: runs QIR on the qirrunner QIR simulator and counts its recorded results;
- stats.py: the G-test of homogeneity that compares two samples of outcomes;
- corpus.py: the real-producer corpus (tests/data/producers) and its meaning check;
- dialect.py: `check_dialect(qasm)`, what in a program the Halvek service would not accept;
- random_qir.py, random_meaning.py: generated measurement-conditioned QIR programs and the
  randomized meaning check that translates, simulates and compares them.
"""

from .simulate import SimulationError, prepare, simulate_counts
from .stats import g_test_homogeneity

__all__ = ["SimulationError", "g_test_homogeneity", "prepare", "simulate_counts"]
