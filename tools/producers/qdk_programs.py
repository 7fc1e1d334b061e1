"""Q# programs compiled to QIR by the qdk package, for the extended-mode corpus.

The sources are tools/producers/qdk/*.qs; their first comment lines say for which profiles
they are compiled (`// profiles: base adaptive_ri adaptive_rif adaptive`), whether their
recorded results are deterministic, and what they do. Some programs of the producer corpus
(tools/producers/qsharp/*.qs, listed in REUSED) are compiled for the newest profile, Adaptive
(QIR 2.x: backward branches, arrays, internal functions, stack memory), which that corpus does
not cover. Folders: qdk-base/, qdk-adaptive-ri/, qdk-adaptive-rif/, qdk-adaptive/.

Virtual environment (outside the repository):
  python3 -m venv /work/venvs/qdk
  /work/venvs/qdk/bin/pip install "qdk==1.33.1" "qsharp==1.31.0" "pyqir==0.12.7" "qirrunner==0.9.7"
Run: /work/venvs/qdk/bin/python tools/producers/extended_corpus.py --producer qdk
"""

from __future__ import annotations

import sys
import warnings
from importlib import metadata
from pathlib import Path

from extended_corpus import ROOT, Program
from generate import read_qsharp_header

HERE = Path(__file__).resolve().parent
SOURCES = HERE / "qdk"
TARGETS = {
    "base": ("Base", "qdk-base"),
    "adaptive_ri": ("Adaptive_RI", "qdk-adaptive-ri"),
    "adaptive_rif": ("Adaptive_RIF", "qdk-adaptive-rif"),
    "adaptive": ("Adaptive", "qdk-adaptive"),
}
# Producer-corpus programs compiled for the Adaptive profile only.
REUSED = ["teleport", "iterative_phase_estimation", "repetition_code", "dynamic_angle",
          "repeat_until_bounded", "integer_arithmetic", "counter_comparisons", "majority_vote",
          "nested_conditions", "stale_counter"]


# Std.Math functions the compiler leaves as calls of external functions, and the qirrunner
# runtime functions with the same meaning that the twin module calls instead.
MATH_TWINS = {"Sqrt": "__quantum__qis__sqrt__body"}


def math_twin(qir: str) -> tuple[str | None, list[str]]:
    """The module with its external math calls renamed for qirrunner, and the edits (None and
    no edits when it has none)."""
    twin, edits = qir, []
    for name, runtime in MATH_TWINS.items():
        if f"@{name}(" in twin:
            twin = twin.replace(f"@{name}(", f"@{runtime}(")
            edits.append(f"calls of the external function @{name} renamed to @{runtime}")
    return (twin if edits else None), edits


def compile_qsharp(source: str, target: str) -> str:
    warnings.filterwarnings("ignore", category=DeprecationWarning)
    from qdk import TargetProfile, qsharp

    qsharp.init(target_profile=getattr(TargetProfile, target))
    qsharp.eval(source)
    return str(qsharp.compile("Main()"))


def programs() -> list[Program]:
    version = f"qdk {metadata.version('qdk')}"
    sources = [(path, None) for path in sorted(SOURCES.glob("*.qs"))]
    sources += [(HERE / "qsharp" / f"{name}.qs", ["adaptive"]) for name in REUSED]
    made = []
    for path, profiles in sources:
        header = read_qsharp_header(path)
        source = path.read_text()
        for profile in profiles or header["profiles"].split():
            target, folder = TARGETS[profile]
            try:
                qir = compile_qsharp(source, target)
            except Exception as error:  # the compiler's own error type
                print(f"SKIPPED {folder}/{path.stem}: {str(error).splitlines()[0]}", file=sys.stderr)
                continue
            twin, edits = math_twin(qir)
            made.append(Program(
                folder=folder,
                name=path.stem,
                qir=qir,
                twin=twin,
                edits=edits,
                description=header["description"],
                deterministic=header.get("deterministic", "no") == "yes",
                provenance={
                    "producer": "qdk",
                    "producer_version": version,
                    "target_profile": target,
                    "source": str(path.relative_to(ROOT)),
                },
            ))
    return made
