"""The README's gate tables are the translator's gate table (rewrite them with
`python tools/gate_table.py --write`)."""

import runpy
from pathlib import Path

TOOL = Path(__file__).resolve().parents[2] / "tools" / "gate_table.py"


def test_readme_gate_tables_are_current():
    gate_table = runpy.run_path(str(TOOL), run_name="gate_table")
    readme = gate_table["README"].read_text(encoding="utf-8")
    for begin, end, render in gate_table["TABLES"]:
        assert gate_table["readme_table"](readme, begin, end) == render(), begin
