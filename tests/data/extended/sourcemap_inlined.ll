; A function defined in the module, called twice and calling another: each statement of an
; inlined body names its instruction in the callee and the call in the entry point.
define void @main() #0 {
entry:
  call void @bell(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @bell(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr null, ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr null)
  ret void
}

define internal void @bell(ptr %a, ptr %b) {
entry:
  call void @hadamard(ptr %a)
  call void @__quantum__qis__cnot__body(ptr %a, ptr %b)
  ret void
}

define internal void @hadamard(ptr %q) {
entry:
  call void @__quantum__qis__h__body(ptr %q)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__cnot__body(ptr, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="4" "required_num_results"="2" }
