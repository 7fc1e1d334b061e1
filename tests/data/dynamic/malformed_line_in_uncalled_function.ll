; A line that no instruction set reads fails only where it is lowered: a function that nothing
; calls may hold one, in either mode, though the extended mode reads sdiv and fadd elsewhere.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  ret void
}

define internal void @unused(ptr %q) {
entry:
  sdiv void @H(ptr %q)
  fadd double 1.0
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="1" "required_num_results"="1" }
attributes #1 = { "irreversible" }
