"""A small OpenQASM 3 statevector simulator for the translator's output.

It interprets the AST of the reference parser (the `openqasm3` package) directly: register,
bit and integer declarations, gate calls (with `inv @`), measurement, reset, if/else, while,
assignments and the classical expression operators. Gates come from `gates.HALVEK_GATES`,
the Halvek native gate set written from the gates' matrices.
"""

from .gates import HALVEK_GATES, Gate
from .simulator import Program, SimulationError
from .stats import g_test_homogeneity

__all__ = ["HALVEK_GATES", "Gate", "Program", "SimulationError", "g_test_homogeneity"]
