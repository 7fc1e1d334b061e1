; Measurements with and without reset, explicit resets, and result reads whose values
; only feed output recording (so they produce no statement).
%Qubit = type opaque
%Result = type opaque

@0 = internal constant [3 x i8] c"m0\00"
@1 = internal constant [3 x i8] c"m1\00"
@2 = internal constant [3 x i8] c"m2\00"
@3 = internal constant [4 x i8] c"sum\00"

define void @main() #0 {
entry:
  call void @__quantum__rt__initialize(i8* null)
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %0 = call i1 @__quantum__qis__read_result__body(%Result* null)
  call void @__quantum__qis__reset__body(%Qubit* null)
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  %1 = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 1 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* inttoptr (i64 2 to %Result*))
  %2 = call i1 @__quantum__qis__read_result__body(%Result* inttoptr (i64 2 to %Result*))
  %3 = zext i1 %0 to i64
  %4 = zext i1 %1 to i64
  %5 = add i64 %3, %4
  call void @__quantum__rt__tuple_record_output(i64 4, i8* null)
  call void @__quantum__rt__bool_record_output(i1 %0, i8* getelementptr inbounds ([3 x i8], [3 x i8]* @0, i32 0, i32 0))
  call void @__quantum__rt__bool_record_output(i1 %1, i8* getelementptr inbounds ([3 x i8], [3 x i8]* @1, i32 0, i32 0))
  call void @__quantum__rt__bool_record_output(i1 %2, i8* getelementptr inbounds ([3 x i8], [3 x i8]* @2, i32 0, i32 0))
  call void @__quantum__rt__integer_record_output(i64 %5, i8* getelementptr inbounds ([4 x i8], [4 x i8]* @3, i32 0, i32 0))
  ret void
}

declare void @__quantum__rt__initialize(i8*)
declare void @__quantum__qis__h__body(%Qubit*)
declare void @__quantum__qis__x__body(%Qubit*)
declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) #1
declare void @__quantum__qis__mresetz__body(%Qubit*, %Result* writeonly) #1
declare void @__quantum__qis__reset__body(%Qubit*) #1
declare i1 @__quantum__qis__read_result__body(%Result*)
declare i1 @__quantum__rt__read_result(%Result* readonly)
declare void @__quantum__rt__tuple_record_output(i64, i8*)
declare void @__quantum__rt__bool_record_output(i1, i8*)
declare void @__quantum__rt__integer_record_output(i64, i8*)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="base_profile" "required_num_qubits"="3" "required_num_results"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
