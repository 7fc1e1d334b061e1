; A counted loop in one block: its counter phi takes its next value from the block itself.
define void @main() #0 {
entry:
  br label %loop

loop:                                             ; preds = %loop, %entry
  %i = phi i64 [ 0, %entry ], [ %next, %loop ]
  call void @__quantum__qis__rx__body(double 0.5, ptr null)
  %next = add i64 %i, 1
  %more = icmp slt i64 %next, 3
  br i1 %more, label %loop, label %exit

exit:                                             ; preds = %loop
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  ret void
}

declare void @__quantum__qis__rx__body(double, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
