"""The folders of brintavel-core/src include each other without a loop: a folder (or a file at
the root of src/) may include another only when that one does not include it back, directly or
through others."""

import re
from pathlib import Path

SRC = Path(__file__).resolve().parents[2] / "brintavel-core" / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def unit(path: Path) -> str:
    """The folder directly under src/, or the file's stem at the root."""
    parts = path.relative_to(SRC).parts
    return parts[0] if len(parts) > 1 else path.stem


def include_graph() -> dict[str, set[str]]:
    graph: dict[str, set[str]] = {}
    for path in SRC.rglob("*"):
        if path.suffix not in (".hpp", ".cpp"):
            continue
        for included in INCLUDE.findall(path.read_text()):
            target = SRC / included
            if target.exists() and unit(target) != unit(path):
                graph.setdefault(unit(path), set()).add(unit(target))
    return graph


def cycle(graph: dict[str, set[str]]) -> list[str] | None:
    """One cycle of the graph, or None (depth-first search with colours)."""
    state: dict[str, int] = {}  # 1: on the path, 2: done
    path: list[str] = []

    def visit(node: str) -> list[str] | None:
        state[node] = 1
        path.append(node)
        for succ in sorted(graph.get(node, ())):
            if state.get(succ) == 1:
                return path[path.index(succ):] + [succ]
            if succ not in state and (found := visit(succ)):
                return found
        path.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state and (found := visit(node)):
            return found
    return None


def test_no_include_cycle_between_folders():
    found = cycle(include_graph())
    assert found is None, " -> ".join(found)


def test_the_check_finds_a_cycle():
    assert cycle({"a": {"b"}, "b": {"c"}, "c": {"a"}}) == ["a", "b", "c", "a"]
    assert cycle({"a": {"b"}, "b": set()}) is None
