; A bounded repeat-until-success loop whose attempt counter is a phi in the loop header fed
; back from the latch block, which comes after the header.
define void @main() #0 {
entry:
  br label %header

header:                                           ; preds = %latch, %entry
  %attempts = phi i64 [ 0, %entry ], [ %attempts1, %latch ]
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %r, label %latch, label %exit

latch:                                            ; preds = %header
  %attempts1 = add i64 %attempts, 1
  br label %header

exit:                                             ; preds = %header
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
declare i1 @__quantum__qis__read_result__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
