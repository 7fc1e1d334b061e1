; A loop in blocks that no run reaches (the branch to them is never taken, and the other
; way never ends) is refused as one that runs would be: its counter has no range there. The
; same whether the function is lowered whole or in segments.
@qubits = internal constant [2 x ptr] [ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr)]

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  %k = add i64 1, 1
  %never = icmp slt i64 %k, 0
  br i1 %never, label %after, label %spin
spin:
  br label %spin
after:
  call void @__quantum__qis__h__body(ptr null)
  br label %loop
loop:
  %i = phi i64 [0, %after], [%next, %body]
  %c = icmp slt i64 %i, 2
  br i1 %c, label %body, label %done
body:
  %p = getelementptr [2 x ptr], ptr @qubits, i64 0, i64 %i
  %q = load ptr, ptr %p
  call void @__quantum__qis__x__body(ptr %q)
  %next = add i64 %i, 1
  br label %loop
done:
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="3" "required_num_results"="0" }
