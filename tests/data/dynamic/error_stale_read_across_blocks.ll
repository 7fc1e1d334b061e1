; A result read in one block, measured into again in the next, and branched on in a third:
; the branch would test the second outcome.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__rt__read_result(ptr null)
  br label %again
again:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  br label %test
test:
  br i1 %r, label %fix, label %done
fix:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %done
done:
  ret void
}
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__h__body(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
