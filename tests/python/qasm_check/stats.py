"""The G-test of homogeneity for two samples of measurement outcomes.

Two programs that mean the same thing have the same distribution over output bit strings. Given
the counts of each bit string in one sample of each, the G statistic of the 2 x k contingency
table,

    G = 2 * sum over cells of O * ln(O / E),   E = row total * column total / grand total,

(with 0 * ln 0 = 0, and k the number of bit strings seen in either sample) is approximately
chi-square distributed with k - 1 degrees of freedom when the two distributions are equal. The
p-value is the chi-square upper tail, computed here from the regularized upper incomplete gamma
function, so that no statistics package is needed.
"""

import math
from collections.abc import Mapping


def g_test_homogeneity(a: Mapping[str, int], b: Mapping[str, int]) -> tuple[float, int, float]:
    """Returns (G, degrees of freedom, p-value) for the hypothesis that the two samples of
    counts come from one distribution."""
    categories = sorted(set(a) | set(b))
    total_a, total_b = sum(a.values()), sum(b.values())
    total = total_a + total_b
    if total_a == 0 or total_b == 0:
        raise ValueError("both samples need at least one observation")
    g = 0.0
    for category in categories:
        column = a.get(category, 0) + b.get(category, 0)
        for observed, row in ((a.get(category, 0), total_a), (b.get(category, 0), total_b)):
            if observed:
                g += observed * math.log(observed * total / (row * column))
    g *= 2.0
    df = len(categories) - 1
    return g, df, chi2_sf(g, df)


def chi2_sf(x: float, df: int) -> float:
    """P(X >= x) for X chi-square distributed with df degrees of freedom."""
    if df <= 0 or x <= 0.0:
        return 1.0
    return _gamma_q(df / 2.0, x / 2.0)


def _gamma_q(a: float, x: float) -> float:
    """The regularized upper incomplete gamma function Q(a, x), for a > 0, x > 0: a power
    series for P = 1 - Q below x = a + 1, a continued fraction (modified Lentz) above."""
    log_prefactor = a * math.log(x) - x - math.lgamma(a)
    if x < a + 1.0:
        term = total = 1.0 / a
        n = a
        while abs(term) > abs(total) * 1e-16:
            n += 1.0
            term *= x / n
            total += term
        return max(0.0, 1.0 - total * math.exp(log_prefactor))
    tiny = 1e-300
    b = x + 1.0 - a
    c = 1.0 / tiny
    d = 1.0 / b
    h = d
    i = 0
    while True:
        i += 1
        an = -i * (i - a)
        b += 2.0
        d = an * d + b
        d = tiny if abs(d) < tiny else d
        c = b + an / c
        c = tiny if abs(c) < tiny else c
        d = 1.0 / d
        delta = d * c
        h *= delta
        if abs(delta - 1.0) < 1e-16 or i > 10_000:
            break
    return math.exp(log_prefactor) * h
