@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@4 = internal constant [6 x i8] c"4_a3r\00"
@array0 = internal constant [4 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_4 = alloca i64
  %var_17 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @Ry(double 1.2, ptr inttoptr (i64 1 to ptr))
  call void @Ry(double 2.2, ptr inttoptr (i64 2 to ptr))
  store i64 0, ptr %var_4
  call void @__quantum__qis__m__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  %var_6 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  br i1 %var_6, label %block_1, label %block_2
block_1:
  %var_34 = load i64, ptr %var_4
  %var_8 = add i64 %var_34, 1
  store i64 %var_8, ptr %var_4
  br label %block_2
block_2:
  call void @__quantum__qis__m__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %var_9 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_9, label %block_3, label %block_4
block_3:
  %var_32 = load i64, ptr %var_4
  %var_11 = add i64 %var_32, 1
  store i64 %var_11, ptr %var_4
  br label %block_4
block_4:
  call void @__quantum__qis__m__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %var_12 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 2 to ptr))
  br i1 %var_12, label %block_5, label %block_6
block_5:
  %var_30 = load i64, ptr %var_4
  %var_14 = add i64 %var_30, 1
  store i64 %var_14, ptr %var_4
  br label %block_6
block_6:
  %var_24 = load i64, ptr %var_4
  %var_15 = icmp sge i64 %var_24, 2
  br i1 %var_15, label %block_7, label %block_8
block_7:
  call void @X(ptr inttoptr (i64 3 to ptr))
  br label %block_8
block_8:
  call void @__quantum__qis__m__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  store i64 0, ptr %var_17
  br label %block_9
block_9:
  %var_26 = load i64, ptr %var_17
  %var_18 = icmp slt i64 %var_26, 4
  br i1 %var_18, label %block_10, label %block_11
block_10:
  %var_27 = load i64, ptr %var_17
  %var_28_offset_chk = icmp slt i64 %var_27, 0
  %var_28_offset = select i1 %var_28_offset_chk, i64 1, i64 0
  %var_28 = getelementptr [4 x ptr], ptr @array0, i64 %var_28_offset, i64 %var_27
  %var_19 = load ptr, ptr %var_28
  call void @Reset(ptr %var_19)
  %var_22 = add i64 %var_27, 1
  store i64 %var_22, ptr %var_17
  br label %block_9
block_11:
  call void @__quantum__rt__array_record_output(i64 4, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @4)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @H(ptr %var_1) {
block_12:
  call void @__quantum__qis__h__body(ptr %var_1)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @Ry(double %var_2, ptr %var_3) {
block_13:
  call void @__quantum__qis__ry__body(double %var_2, ptr %var_3)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__m__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @X(ptr %var_16) {
block_14:
  call void @__quantum__qis__x__body(ptr %var_16)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @Reset(ptr %var_21) {
block_15:
  call void @__quantum__qis__reset__body(ptr %var_21)
  ret void
}

declare void @__quantum__qis__reset__body(ptr) #1

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="4" "required_num_results"="4" }
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
