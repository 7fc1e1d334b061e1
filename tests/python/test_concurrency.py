"""Translations on many threads at once give exactly the single-threaded results."""

from concurrent.futures import ThreadPoolExecutor

import qir_gen
from brintavel import BrintavelError, translate


def result_of(text: str) -> str:
    try:
        return translate(text, producer="threads")
    except BrintavelError as error:
        return f"error: {error}"


def test_threads_get_single_threaded_results():
    programs = (
        [qir_gen.straight_line(n) for n in range(1, 400, 37)]
        + [qir_gen.sequential_ifs(n) for n in range(1, 60, 7)]
        + [qir_gen.nested_ifs(n) for n in range(1, 40, 9)]
        + [qir_gen.nested_loops(n) for n in range(1, 20, 5)]
        + [qir_gen.doubling_chain(n) for n in (3, 40)]
        + ["not QIR at all", ""]
    )
    expected = [result_of(text) for text in programs]
    work = programs * 8
    with ThreadPoolExecutor(max_workers=16) as pool:
        results = list(pool.map(result_of, work))
    assert results == expected * 8
