@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0a\00"
@2 = internal constant [8 x i8] c"2_t0a0r\00"
@3 = internal constant [8 x i8] c"3_t0a1r\00"
@4 = internal constant [8 x i8] c"4_t0a2r\00"
@5 = internal constant [8 x i8] c"5_t0a3r\00"
@6 = internal constant [6 x i8] c"6_t1d\00"
@7 = internal constant [6 x i8] c"7_t2r\00"
@array0 = internal constant [4 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr)]
@array1 = internal constant [4 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_1 = alloca i64
  %var_8 = alloca i64
  %var_9 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  store i64 0, ptr %var_1
  br label %block_1
block_1:
  %var_25 = load i64, ptr %var_1
  %var_2 = icmp slt i64 %var_25, 4
  br i1 %var_2, label %block_2, label %block_3
block_2:
  %var_36 = load i64, ptr %var_1
  %var_37_offset_chk = icmp slt i64 %var_36, 0
  %var_37_offset = select i1 %var_37_offset_chk, i64 1, i64 0
  %var_37 = getelementptr [4 x ptr], ptr @array0, i64 %var_37_offset, i64 %var_36
  %var_3 = load ptr, ptr %var_37
  call void @H(ptr %var_3)
  %var_6 = add i64 %var_36, 1
  store i64 %var_6, ptr %var_1
  br label %block_1
block_3:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  store i64 0, ptr %var_8
  store i64 0, ptr %var_9
  br label %block_4
block_4:
  %var_28 = load i64, ptr %var_9
  %var_10 = icmp slt i64 %var_28, 4
  br i1 %var_10, label %block_5, label %block_6
block_5:
  %var_30 = load i64, ptr %var_9
  %var_31_offset_chk = icmp slt i64 %var_30, 0
  %var_31_offset = select i1 %var_31_offset_chk, i64 1, i64 0
  %var_31 = getelementptr [4 x ptr], ptr @array1, i64 %var_31_offset, i64 %var_30
  %var_11 = load ptr, ptr %var_31
  %var_13 = call zeroext i1 @__quantum__rt__read_result(ptr %var_11)
  br i1 %var_13, label %block_7, label %block_8
block_6:
  %var_29 = load i64, ptr %var_8
  %var_17 = add i64 %var_29, 1
  %var_18 = sitofp i64 %var_17 to double
  %var_19 = fdiv double 3.141592653589793, %var_18
  %var_20 = sitofp i64 %var_29 to double
  %var_21 = call double @Sqrt(double %var_20)
  %var_22 = fmul double 0.1, %var_21
  %var_23 = fadd double %var_19, %var_22
  call void @Ry(double %var_23, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 3, ptr @0)
  call void @__quantum__rt__array_record_output(i64 4, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @4)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @5)
  call void @__quantum__rt__double_record_output(double %var_23, ptr @6)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @7)
  ret i64 0
block_7:
  %var_34 = load i64, ptr %var_8
  %var_15 = add i64 %var_34, 1
  store i64 %var_15, ptr %var_8
  br label %block_8
block_8:
  %var_32 = load i64, ptr %var_9
  %var_16 = add i64 %var_32, 1
  store i64 %var_16, ptr %var_9
  br label %block_4
}

declare void @__quantum__rt__initialize(ptr)

define internal void @H(ptr %var_5) {
block_9:
  call void @__quantum__qis__h__body(ptr %var_5)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

declare double @Sqrt(double)

define internal void @Ry(double %var_25, ptr %var_26) {
block_10:
  call void @__quantum__qis__ry__body(double %var_25, ptr %var_26)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__rt__double_record_output(double, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }
attributes #2 = { nofree nosync nounwind willreturn memory(argmem: read) }

; module flags

!llvm.module.flags = !{!0, !1, !2, !3, !4, !5, !6, !7, !8, !9}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 1}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
!4 = !{i32 5, !"int_computations", !{!"i64"}}
!5 = !{i32 5, !"float_computations", !{!"double"}}
!6 = !{i32 7, !"backwards_branching", i2 3}
!7 = !{i32 1, !"arrays", i1 true}
!8 = !{i32 1, !"ir_functions", i1 true}
!9 = !{i32 1, !"writable_results", i1 true}
