"""The dialect check (qasm_check/dialect.py): every expected output under tests/data keeps to
the OpenQASM the Halvek service accepts, and the check itself finds what it should."""

from pathlib import Path

import pytest

from qasm_check.dialect import SERVICE_SAFE_RULES, check_dialect

DATA = Path(__file__).resolve().parents[1] / "data"
GOLDEN = sorted(DATA.rglob("*.qasm"))

# Outputs that break the dialect, with why (the translation warns of each).
KNOWN_VIOLATIONS: dict[str, str] = {
    "extended/guppy/phase_estimation.qasm": "an angle from a count of measured ones over 2^k: too many cases",
}


def golden_case(path: Path):
    name = str(path.relative_to(DATA))
    reason = KNOWN_VIOLATIONS.get(name)
    marks = [pytest.mark.xfail(strict=True, reason=reason)] if reason else []
    return pytest.param(path, id=name, marks=marks)


@pytest.mark.parametrize("path", [golden_case(p) for p in GOLDEN])
def test_expected_output_keeps_to_the_dialect(path):
    findings = check_dialect(path.read_text())
    assert not findings, "\n".join(map(str, findings))


def test_every_known_violation_is_a_golden_file():
    assert {str(p.relative_to(DATA)) for p in GOLDEN} >= set(KNOWN_VIOLATIONS)


HEADER = "OPENQASM 3.0;\nqubit[3] q;\nbit[3] c;\nint n = 0;\n"
CASES = [
    # (program after HEADER, the rules it breaks, in line order)
    ("n = n + 1 - 2 * 3 / 4 % 5;\nn = -n;\n", []),
    ("n = n & 1;\n", ["bitwise"]),
    ("n = n | 1;\nn = n ^ 1;\n", ["bitwise", "bitwise"]),
    ("n = ~n;\n", ["bitwise"]),
    ("n = n << 1;\nn = n >> 1;\n", ["bitwise", "bitwise"]),
    ("n <<= 1;\n", ["bitwise"]),
    ("c[0] = measure q[0];\nif (!c[0]) {\n  x q[0];\n}\n", ["not-on-bit"]),
    ("bit b;\nb = measure q[0];\nif (!b) {\n  x q[0];\n}\n", ["not-on-bit"]),
    ("c[0] = measure q[0];\nif (!(c[0] == 1) && c[0] == 0 || !true) {\n  x q[0];\n}\n", []),
    ("output bit d;\n", ["output"]),
    ("h q[0];\ncnot q[0], q[1];\nprx(0.1, -0.2) q[2];\ninv @ s q[0];\ncphaseshift(0.5) q[0], q[1];\n", []),
    ("cphaseshift q[0], q[1];\n", ["gate"]),
    ("rx(0.1, 0.2) q[0];\n", ["gate"]),
    ("cnot q[0];\n", ["gate"]),
    ("u3(0.1, 0.2, 0.3) q[0];\n", ["gate"]),
    ("ctrl @ x q[0], q[1];\n", ["gate", "gate"]),
    ("rz(inf) q[0];\nrz(-nan) q[0];\n", ["inf-nan", "inf-nan"]),
    ("rz(1e400) q[0];\n", ["inf-nan"]),
    ("rz(1e300) q[0];\nrz(-0.0) q[0];\n", []),
    # reads of bits that may be unset
    ("if (c[0] == 1) {\n  x q[0];\n}\n", ["unset-read"]),
    ("c[0] = measure q[0];\nif (c[0] == 1) {\n  x q[0];\n}\n", []),
    ("c[0] = measure q[0];\nc[1] = c[0] == 1;\nn = c[1] + c[0];\n", []),
    ("n = c[2] + 1;\n", ["unset-read"]),
    ("if (n == 0) {\n  c[0] = measure q[0];\n}\nif (c[0]) {\n}\n", ["unset-read"]),
    ("if (n == 0) {\n  c[0] = measure q[0];\n} else {\n  c[0] = measure q[1];\n}\nif (c[0]) {\n}\n", []),
    ("while (n < 2) {\n  c[0] = measure q[0];\n  n = n + 1;\n}\nif (c[0]) {\n}\n", ["unset-read"]),
    ("while (n < 2) {\n  c[0] = measure q[0];\n  if (c[0]) {\n    n = n + 1;\n  }\n}\n", []),
    ("while (c[1]) {\n  c[1] = measure q[0];\n}\n", ["unset-read"]),
    ("c[1] = measure q[1];\nwhile (c[1]) {\n  if (c[0]) {\n  }\n  c[0] = measure q[0];\n  c[1] = measure q[1];\n}\n",
     ["unset-read"]),
    ('bit[2] d = "00";\nif (d[1] == 0) {\n  x q[0];\n}\n', []),  # initialised: set everywhere
]


@pytest.mark.parametrize("body, rules", CASES)
def test_dialect_rule(body, rules):
    assert [finding.rule for finding in check_dialect(HEADER + body, service_safe=False)] == rules


MEASURED = "c[0] = measure q[0];\nc[1] = measure q[1];\n"
SERVICE_SAFE_CASES = [
    # (program after HEADER and MEASURED, the service-safe rules it breaks, in line order)
    ("if (int(c[0]) == 1) {\n  x q[0];\n}\n", ["cast-in-condition"]),
    ("while (float[64](n) < 2.0 && bool(n + 1)) {\n  n = n + 1;\n}\n", ["cast-in-condition", "cast-in-condition"]),
    ("if (c[0] + c[1] == 1 && n * 2 < 3) {\n  x q[0];\n}\n", []),
    ("n = int(c[0]) + 1;\n", ["cast-in-assignment"]),
    ("int m = 2 * int(c[1] == 1);\n", ["cast-in-assignment"]),
    ("if (c[0]) {\n  n = 1;\n}\nint m = int(n * 2.0);\n", ["cast-in-assignment"]),  # n depends on c[0]
    ("while (n < 2) {\n  n = n + 1;\n}\nfloat[64] f = float[64](n);\n", ["cast-in-assignment"]),
    ("const int k = 2;\nfloat[64] f = float[64](k) * pi;\nn = int(f / 2);\nint m = int(n + 1.5);\n", []),
    ("rx(c[0] * 0.5) q[0];\n", ["measured-angle"]),
    ("float[64] a = 0.5;\nif (c[1]) {\n  a = 1.0;\n}\nry(a) q[0];\nprx(0.1, a) q[1];\n",
     ["measured-angle", "measured-angle"]),
    ("while (n < 2) {\n  rz(n * 0.5) q[0];\n  n = n + 1;\n}\n", ["measured-angle"]),
    ("const float[64] t = pi / 4;\nfloat[64] u = 2 * t;\nrx(u + 0.1) q[0];\nrz(-tau) q[1];\n", []),
    ("n = (c[0] == 1) + (n > 2);\n", ["bool-arithmetic"]),
    ("bool b = c[1] == 0;\nn = b * true;\nn = -(n < 1);\n", ["bool-arithmetic", "bool-arithmetic"]),
    ("if (!(n < 1) - (n == 2) == 0) {\n  x q[0];\n}\n", ["bool-arithmetic"]),
    ("bool b = true;\nn = (c[0] == 1) + n - b * 2 + c[0] * c[1];\nif ((n == 1) == !b && b) {\n}\n", []),
]


@pytest.mark.parametrize("body, rules", SERVICE_SAFE_CASES)
def test_service_safe_rule(body, rules):
    findings = check_dialect(HEADER + MEASURED + body, service_safe=True)
    assert [finding.rule for finding in findings] == rules


def test_service_safe_rules_are_chosen_by_name():
    text = HEADER + MEASURED + "n = int(c[0]);\nrx(n * 0.5) q[0];\n"
    assert check_dialect(text, service_safe=False) == []
    assert [f.rule for f in check_dialect(text, service_safe=True)] == ["cast-in-assignment", "measured-angle"]
    assert [f.rule for f in check_dialect(text, service_safe={"measured-angle"})] == ["measured-angle"]
    assert set(SERVICE_SAFE_RULES) == {rule for _, rules in SERVICE_SAFE_CASES for rule in rules}
    with pytest.raises(ValueError):
        check_dialect(text, service_safe={"no-such-rule"})
