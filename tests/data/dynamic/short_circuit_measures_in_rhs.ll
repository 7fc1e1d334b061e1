; The right-hand side of a short-circuit `and` measures the result it reads. The phi becomes
; one condition after the branch, which reads that result on the path that skipped the
; measurement too (there its value does not matter), so the register starts at zero.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %a = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %a, label %rhs, label %merge
rhs:
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %b = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br label %merge
merge:
  %both = phi i1 [ false, %entry ], [ %b, %rhs ]
  br i1 %both, label %fix, label %end
fix:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %end
end:
  ret void
}
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__h__body(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
