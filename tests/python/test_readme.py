"""The README's gate tables are the translator's gate table (rewrite them with
`python tools/gate_table.py --write`), and its records example runs as it says."""

import runpy
from pathlib import Path

TOOL = Path(__file__).resolve().parents[2] / "tools" / "gate_table.py"


def test_readme_gate_tables_are_current():
    gate_table = runpy.run_path(str(TOOL), run_name="gate_table")
    readme = gate_table["README"].read_text(encoding="utf-8")
    for begin, end, render in gate_table["TABLES"]:
        assert gate_table["readme_table"](readme, begin, end) == render(), begin


def test_readme_records_example_runs(capsys, monkeypatch):
    # The example that shapes each shot's register prints what its comments say.
    readme = (TOOL.parents[1] / "README.md").read_text(encoding="utf-8")
    blocks = [block.split("```")[0] for block in readme.split("```python\n")[1:]]
    example = next(block for block in blocks if "shaped(" in block)
    monkeypatch.chdir(TOOL.parents[1])
    exec(example, {})
    printed = capsys.readouterr().out.splitlines()
    assert printed[:3] == ["([0, 0], True)", "([1, 1], True)", "([1, 1], True)"]
    assert printed[3:] == ["OUTPUT\tTUPLE\t2\tt", "OUTPUT\tARRAY\t2\ta", "OUTPUT\tRESULT\t1\tr0",
                           "OUTPUT\tRESULT\t1\tr1", "OUTPUT\tBOOL\ttrue\tsame"]
