; A correction counter inside a repeat loop: the branch that starts it runs on every pass,
; so it starts from 0 again there, not only where the variable is declared.
define void @main() #0 {
entry:
  br label %header
header:
  %r = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %r, label %body, label %exit
body:
  %m = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %m, label %then, label %merge
then:
  br label %latch0
latch0:
  call void @__quantum__qis__h__body(ptr null)
  br label %merge
merge:
  %x = phi i64 [ 0, %body ], [ 1, %latch0 ]
  %is1 = icmp eq i64 %x, 1
  br i1 %is1, label %fix, label %latch
fix:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %latch
latch:
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  br label %header
exit:
  ret void
}
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
attributes #0 = { "entry_point" }
