; A loop tests a result read once before it, while its body measures into that result
; again: from the second test on, the condition would read the new outcome.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__rt__read_result(ptr null)
  br label %header
header:
  br i1 %r, label %body, label %exit
body:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  br label %header
exit:
  ret void
}
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__h__body(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
