"""The Halvek native gate set as unitary matrices.

Conventions, for every gate below:
- A k-qubit gate is a 2^k x 2^k matrix over the basis |b0 b1 ... b(k-1)>, where b0 belongs to the
  gate's first qubit operand and is the most significant bit of the row/column index. So for
  `cnot a, b` the control is `a` (the first operand) and the target is `b`.
- Angles are in radians, in the order the gate call lists them.
- Rotations follow the QIR / Q# intrinsics they are translated from: R_P(theta) =
  exp(-i theta/2 P) for a Pauli P (rx, ry, rz), and the two-qubit rotations
  xx/yy/zz(theta) = exp(-i theta/2 P(x)P), as __quantum__qis__rxx/ryy/rzz__body define them.
- `inv @ g` is the conjugate transpose of g's matrix.
"""

from dataclasses import dataclass
from typing import Callable

import numpy as np

I2 = np.eye(2, dtype=complex)
X = np.array([[0, 1], [1, 0]], dtype=complex)
Y = np.array([[0, -1j], [1j, 0]], dtype=complex)
Z = np.array([[1, 0], [0, -1]], dtype=complex)
H = np.array([[1, 1], [1, -1]], dtype=complex) / np.sqrt(2)
S = np.diag([1, 1j])
T = np.diag([1, np.exp(1j * np.pi / 4)])
SWAP = np.array([[1, 0, 0, 0], [0, 0, 1, 0], [0, 1, 0, 0], [0, 0, 0, 1]], dtype=complex)


def controlled(u: np.ndarray, controls: int = 1) -> np.ndarray:
    """The gate u controlled on `controls` leading qubits (all of them |1>)."""
    n = u.shape[0]
    full = np.eye(n << controls, dtype=complex)
    full[-n:, -n:] = u
    return full


def pauli_rotation(pauli: np.ndarray, theta: float) -> np.ndarray:
    """exp(-i theta/2 P) for a Pauli product P (P squares to the identity)."""
    return np.cos(theta / 2) * np.eye(pauli.shape[0]) - 1j * np.sin(theta / 2) * pauli


def phased_x(theta: float, phi: float) -> np.ndarray:
    """prx(theta, phi) = exp(-i theta/2 (cos(phi) X + sin(phi) Y)) = rz(phi) rx(theta) rz(-phi):
    a rotation by theta about the equatorial axis at azimuth phi (phi = 0 is rx, pi/2 is ry)."""
    return pauli_rotation(np.cos(phi) * X + np.sin(phi) * Y, theta)


@dataclass(frozen=True)
class Gate:
    num_params: int
    num_qubits: int
    matrix: Callable[..., np.ndarray]
    meaning: str


def _fixed(u: np.ndarray) -> Callable[[], np.ndarray]:
    return lambda: u


HALVEK_GATES: dict[str, Gate] = {
    "h": Gate(0, 1, _fixed(H), "Hadamard"),
    "x": Gate(0, 1, _fixed(X), "Pauli X"),
    "y": Gate(0, 1, _fixed(Y), "Pauli Y"),
    "z": Gate(0, 1, _fixed(Z), "Pauli Z"),
    "s": Gate(0, 1, _fixed(S), "diag(1, i); inv @ s is the adjoint S"),
    "t": Gate(0, 1, _fixed(T), "diag(1, e^{i pi/4}); inv @ t is the adjoint T"),
    "rx": Gate(1, 1, lambda a: pauli_rotation(X, a), "exp(-i a/2 X)"),
    "ry": Gate(1, 1, lambda a: pauli_rotation(Y, a), "exp(-i a/2 Y)"),
    "rz": Gate(1, 1, lambda a: pauli_rotation(Z, a), "exp(-i a/2 Z)"),
    "cnot": Gate(0, 2, _fixed(controlled(X)), "X on the second qubit controlled by the first"),
    "cy": Gate(0, 2, _fixed(controlled(Y)), "Y on the second qubit controlled by the first"),
    "cz": Gate(0, 2, _fixed(controlled(Z)), "Z on the second qubit controlled by the first"),
    "swap": Gate(0, 2, _fixed(SWAP), "exchanges the two qubits"),
    "xx": Gate(1, 2, lambda a: pauli_rotation(np.kron(X, X), a), "exp(-i a/2 X(x)X)"),
    "yy": Gate(1, 2, lambda a: pauli_rotation(np.kron(Y, Y), a), "exp(-i a/2 Y(x)Y)"),
    "zz": Gate(1, 2, lambda a: pauli_rotation(np.kron(Z, Z), a), "exp(-i a/2 Z(x)Z)"),
    "ccnot": Gate(0, 3, _fixed(controlled(X, 2)), "X on the third qubit controlled by the first two"),
    "cswap": Gate(0, 3, _fixed(controlled(SWAP)), "swaps the last two qubits controlled by the first"),
    "cphaseshift": Gate(
        1, 2, lambda a: controlled(np.diag([1, np.exp(1j * a)])), "diag(1, 1, 1, e^{i a})"
    ),
    "prx": Gate(2, 1, phased_x, "exp(-i a/2 (cos(b) X + sin(b) Y)) for prx(a, b)"),
}
