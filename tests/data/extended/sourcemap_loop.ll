; A loop structured as a while loop: its header's test becomes the loop condition, and the
; statements of its body keep their instructions.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  br label %header

header:
  %r = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %r, label %body, label %exit

body:
  call void @__quantum__qis__x__body(ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  br label %header

exit:
  call void @__quantum__rt__result_record_output(ptr null, ptr null)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="1" "required_num_results"="1" }
