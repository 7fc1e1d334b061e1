; Dynamic qubit management: qubits are allocated at run time, which a static circuit
; cannot express.
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  %q = call %Qubit* @__quantum__rt__qubit_allocate()
  call void @__quantum__qis__h__body(%Qubit* %q)
  %r = call %Result* @__quantum__qis__m__body(%Qubit* %q)
  call void @__quantum__rt__qubit_release(%Qubit* %q)
  ret void
}

declare %Qubit* @__quantum__rt__qubit_allocate()
declare void @__quantum__rt__qubit_release(%Qubit*)
declare void @__quantum__qis__h__body(%Qubit*)
declare %Result* @__quantum__qis__m__body(%Qubit*)

attributes #0 = { "entry_point" "qir_profiles"="full" "required_num_qubits"="1" }

!llvm.module.flags = !{!0}
!0 = !{i32 1, !"dynamic_qubit_management", i1 true}
