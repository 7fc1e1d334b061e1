; The counter's initial value reads result 0 before a second measurement into it; the
; assignment of that value at the end of the block would read the second outcome.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__rt__read_result(ptr null)
  %z = zext i1 %r to i64
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  %c = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %c, label %upd, label %im
upd:
  br label %im
im:
  %cnt = phi i64 [ %z, %entry ], [ 5, %upd ]
  %big = icmp sgt i64 %cnt, 0
  br i1 %big, label %fix, label %done
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
