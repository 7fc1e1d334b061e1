; One arm of a branch measures into the result the branch tested, the other arm tests it
; again: no path runs the measurement before the second test, so both read the first outcome.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %r, label %remeasure, label %check
remeasure:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  br label %join
check:
  br i1 %r, label %fix, label %join
fix:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %join
join:
  ret void
}
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__h__body(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
