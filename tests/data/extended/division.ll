; Division, remainder and shifts of measured integers, some negative: sdiv and srem
; truncate toward zero, ashr rounds toward minus infinity, udiv and urem of non-negative values.
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
  %b0 = zext i1 %r0 to i64
  %b1 = zext i1 %r1 to i64
  %s1 = shl i64 %b1, 1
  %n = or i64 %b0, %s1
  %m = sub i64 %n, 2
  %q = sdiv i64 %m, 2
  %r = srem i64 %m, 3
  %f = ashr i64 %m, 1
  %u = udiv i64 %n, 2
  %ur = urem i64 %n, 3
  %qm = sdiv i64 %m, -2
  %c2 = icmp eq i64 %q, -1
  br i1 %c2, label %f2, label %t3

f2:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 2 to %Qubit*))
  br label %t3

t3:
  %c3 = icmp eq i64 %f, -1
  br i1 %c3, label %f3, label %t4

f3:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 3 to %Qubit*))
  br label %t4

t4:
  %c4 = icmp eq i64 %r, -1
  br i1 %c4, label %f4, label %t5

f4:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 4 to %Qubit*))
  br label %t5

t5:
  %c5 = icmp eq i64 %u, 1
  %c6 = icmp eq i64 %ur, 0
  %c7 = icmp eq i64 %qm, 1
  %c56 = xor i1 %c5, %c6
  %c567 = xor i1 %c56, %c7
  br i1 %c567, label %f5, label %exit

f5:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 5 to %Qubit*))
  br label %exit

exit:
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* inttoptr (i64 2 to %Result*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 3 to %Result*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 4 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 5 to %Qubit*), %Result* inttoptr (i64 5 to %Result*))
  call void @__quantum__rt__array_record_output(i64 6, i8* null)
  call void @__quantum__rt__result_record_output(%Result* null, i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 1 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 2 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 3 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 4 to %Result*), i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 5 to %Result*), i8* null)
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

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "output_labeling_schema"="schema_id" "required_num_qubits"="6" "required_num_results"="6" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}
!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
