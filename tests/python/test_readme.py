"""The README's gate table is the translator's gate table (rewrite it with
`python tools/gate_table.py --write`)."""

import runpy
from pathlib import Path

TOOL = Path(__file__).resolve().parents[2] / "tools" / "gate_table.py"


def test_readme_gate_table_is_current():
    gate_table = runpy.run_path(str(TOOL), run_name="gate_table")
    readme = gate_table["README"].read_text(encoding="utf-8")
    assert gate_table["readme_table"](readme) == gate_table["render"]()
