; ModuleID = 'icmp_predicates'
source_filename = "icmp_predicates"

@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@4 = internal constant [6 x i8] c"4_a3r\00"
@5 = internal constant [6 x i8] c"5_a4r\00"
@6 = internal constant [6 x i8] c"6_a5r\00"
@7 = internal constant [6 x i8] c"7_a6r\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__ry__body(double 1.200000e+00, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %1 = zext i1 %0 to i64
  %2 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %3 = zext i1 %2 to i64
  %4 = mul i64 2, %3
  %5 = add i64 %1, %4
  %6 = icmp eq i64 %5, 1
  br i1 %6, label %cmp0, label %next0

cmp0:                                             ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %next0

next0:                                            ; preds = %cmp0, %entry
  %7 = icmp ne i64 %5, 2
  br i1 %7, label %cmp1, label %next1

cmp1:                                             ; preds = %next0
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__ry__body(double 6.000000e-01, ptr inttoptr (i64 3 to ptr))
  br label %next1

next1:                                            ; preds = %cmp1, %next0
  %8 = icmp slt i64 %5, 2
  br i1 %8, label %cmp2, label %next2

cmp2:                                             ; preds = %next1
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %next2

next2:                                            ; preds = %cmp2, %next1
  %9 = icmp sle i64 %5, 1
  br i1 %9, label %cmp3, label %next3

cmp3:                                             ; preds = %next2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__ry__body(double 1.200000e+00, ptr inttoptr (i64 5 to ptr))
  br label %next3

next3:                                            ; preds = %cmp3, %next2
  %10 = icmp sgt i64 %5, 1
  br i1 %10, label %cmp4, label %next4

cmp4:                                             ; preds = %next3
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  br label %next4

next4:                                            ; preds = %cmp4, %next3
  %11 = icmp sge i64 %5, 2
  br i1 %11, label %cmp5, label %next5

cmp5:                                             ; preds = %next4
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FFCCCCCCCCCCCCC, ptr inttoptr (i64 2 to ptr))
  br label %next5

next5:                                            ; preds = %cmp5, %next4
  %12 = icmp ult i64 %5, 1
  br i1 %12, label %cmp6, label %next6

cmp6:                                             ; preds = %next5
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %next6

next6:                                            ; preds = %cmp6, %next5
  %13 = icmp ule i64 %5, 2
  br i1 %13, label %cmp7, label %next7

cmp7:                                             ; preds = %next6
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__ry__body(double 2.400000e+00, ptr inttoptr (i64 4 to ptr))
  br label %next7

next7:                                            ; preds = %cmp7, %next6
  %14 = icmp ugt i64 %5, 2
  br i1 %14, label %cmp8, label %next8

cmp8:                                             ; preds = %next7
  call void @__quantum__qis__x__body(ptr inttoptr (i64 5 to ptr))
  br label %next8

next8:                                            ; preds = %cmp8, %next7
  %15 = icmp uge i64 %5, 1
  br i1 %15, label %cmp9, label %next9

cmp9:                                             ; preds = %next8
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  call void @__quantum__qis__ry__body(double 3.000000e+00, ptr inttoptr (i64 6 to ptr))
  br label %next9

next9:                                            ; preds = %cmp9, %next8
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 6 to ptr), ptr inttoptr (i64 6 to ptr))
  call void @__quantum__rt__array_record_output(i64 7, ptr @0)
  call void @__quantum__rt__result_record_output(ptr null, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @4)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @5)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @6)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 6 to ptr), ptr @7)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="labeled" "qir_profiles"="adaptive_profile" "required_num_qubits"="7" "required_num_results"="7" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
