; A barrier on all qubits in a program that uses none: the register it names has one qubit.
define void @main() #0 {
entry:
  call void @__quantum__qis__barrier__body()
  ret void
}

declare void @__quantum__qis__barrier__body()

attributes #0 = { "entry_point" "qir_profiles"="base_profile" "required_num_qubits"="0" "required_num_results"="0" }
