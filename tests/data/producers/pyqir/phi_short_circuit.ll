; ModuleID = 'phi_short_circuit'
source_filename = "phi_short_circuit"

@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@4 = internal constant [6 x i8] c"4_a3r\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__ry__body(double 1.400000e+00, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %0 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %0, label %rhs0, label %merge0

rhs0:                                             ; preds = %entry
  %1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br label %merge0

merge0:                                           ; preds = %rhs0, %entry
  %2 = phi i1 [ false, %entry ], [ %1, %rhs0 ]
  br i1 %2, label %then0, label %done0

then0:                                            ; preds = %merge0
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %done0

done0:                                            ; preds = %then0, %merge0
  %3 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %3, label %merge1, label %rhs1

rhs1:                                             ; preds = %done0
  %4 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br label %merge1

merge1:                                           ; preds = %rhs1, %done0
  %5 = phi i1 [ true, %done0 ], [ %4, %rhs1 ]
  br i1 %5, label %then1, label %done1

then1:                                            ; preds = %merge1
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %done1

done1:                                            ; preds = %then1, %merge1
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__array_record_output(i64 4, ptr @0)
  call void @__quantum__rt__result_record_output(ptr null, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @4)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="labeled" "qir_profiles"="adaptive_profile" "required_num_qubits"="4" "required_num_results"="4" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
