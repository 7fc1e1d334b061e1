; Phis outside the base shapes: an Int, a Bool and a double assigned in three arms, a phi
; whose incoming is another phi, and a loop whose phis swap two values each round (a parallel
; copy, assigned through a temporary).
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  %r0 = call i1 @__quantum__qis__read_result__body(%Result* null)
  %r1 = call i1 @__quantum__qis__read_result__body(%Result* inttoptr (i64 1 to %Result*))
  br i1 %r0, label %a, label %b

a:
  br i1 %r1, label %a1, label %a2

a1:
  br label %m

a2:
  br label %m

b:
  br label %m

m:
  %v = phi i64 [ 3, %a1 ], [ 5, %a2 ], [ 7, %b ]
  %f = phi i1 [ true, %a1 ], [ false, %a2 ], [ %r1, %b ]
  %angle = phi double [ 0.5, %a1 ], [ 1.5, %a2 ], [ 2.5, %b ]
  call void @__quantum__qis__ry__body(double %angle, %Qubit* inttoptr (i64 2 to %Qubit*))
  br i1 %f, label %double, label %n

double:
  %v2 = mul i64 %v, 2
  br label %n

n:
  %w = phi i64 [ %v, %m ], [ %v2, %double ]
  %big = icmp sge i64 %w, 6
  br i1 %big, label %flip3, label %swap

flip3:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 3 to %Qubit*))
  br label %swap

swap:
  %p = phi i64 [ 1, %n ], [ %q, %swap ], [ 1, %flip3 ]
  %q = phi i64 [ 2, %n ], [ %p, %swap ], [ 2, %flip3 ]
  %k = phi i64 [ 0, %n ], [ %k1, %swap ], [ 0, %flip3 ]
  %k1 = add i64 %k, 1
  %rounds = icmp slt i64 %k1, %w
  br i1 %rounds, label %swap, label %out

out:
  %two = icmp eq i64 %p, 2
  br i1 %two, label %flip4, label %exit

flip4:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 4 to %Qubit*))
  br label %exit

exit:
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* inttoptr (i64 2 to %Result*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 3 to %Result*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 4 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  call void @__quantum__rt__array_record_output(i64 5, i8* null)
  call void @__quantum__rt__result_record_output(%Result* null, i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 1 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 2 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 3 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 4 to %Result*), i8* null)
  ret void
}

declare void @__quantum__qis__h__body(%Qubit*)
declare void @__quantum__qis__x__body(%Qubit*)
declare void @__quantum__qis__rx__body(double, %Qubit*)
declare void @__quantum__qis__ry__body(double, %Qubit*)
declare void @__quantum__qis__reset__body(%Qubit*)
declare void @__quantum__qis__mz__body(%Qubit*, %Result*) #1
declare i1 @__quantum__qis__read_result__body(%Result*)
declare void @__quantum__rt__int_record_output(i64, i8*)
declare void @__quantum__rt__array_record_output(i64, i8*)
declare void @__quantum__rt__result_record_output(%Result*, i8*)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "output_labeling_schema"="schema_id" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}
!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
