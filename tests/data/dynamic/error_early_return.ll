; An early return from inside a condition: two blocks end the function, so the branch has
; no join and the flow cannot be written as if/else.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %r, label %abort, label %continue

abort:                                            ; preds = %entry
  call void @__quantum__qis__reset__body(ptr null)
  ret void

continue:                                         ; preds = %entry
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__reset__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
declare i1 @__quantum__qis__read_result__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
