"""QIR inputs shared by the Python-facing tests."""

import pytest

from _brintavel_native import __version__

# A Bell pair in the base profile: a gate, a two-qubit gate, a measurement and an
# output-recording call (which prints nothing).
BELL_QIR = """\
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__cnot__body(%Qubit* null, %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  call void @__quantum__rt__result_record_output(%Result* null, i8* null)
  ret void
}

declare void @__quantum__qis__h__body(%Qubit*)
declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)
declare void @__quantum__qis__mz__body(%Qubit*, %Result*)
declare void @__quantum__rt__result_record_output(%Result*, i8*)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" }
"""

BELL_PROGRAM = """\
OPENQASM 3.0;
qubit[2] q;
bit[1] c;
h q[0];
cnot q[0], q[1];
c[0] = measure q[0];
// generated-by: {"name":"brintavel","version":"%s","profile":"base_profile"}
""" % __version__

# Well-formed IR, but no function is marked as entry point.
NO_ENTRY_QIR = "define void @helper() {\nentry:\n  ret void\n}\n"
NO_ENTRY_MESSAGE = (
    "no entry-point function found; QIR modules must have a function tagged with the "
    "'entry_point' attribute"
)


@pytest.fixture
def bell():
    return BELL_QIR, BELL_PROGRAM


@pytest.fixture
def no_entry():
    return NO_ENTRY_QIR, NO_ENTRY_MESSAGE
