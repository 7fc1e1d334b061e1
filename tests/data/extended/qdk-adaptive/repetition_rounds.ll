@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0a\00"
@2 = internal constant [8 x i8] c"2_t0a0r\00"
@3 = internal constant [8 x i8] c"3_t0a1r\00"
@4 = internal constant [8 x i8] c"4_t0a2r\00"
@5 = internal constant [6 x i8] c"5_t1i\00"
@array0 = internal constant [3 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_5 = alloca i64
  %var_6 = alloca i64
  %var_8 = alloca i1
  %var_17 = alloca i64
  %var_20 = alloca i64
  %var_23 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  call void @X(ptr inttoptr (i64 0 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  store i64 0, ptr %var_5
  store i64 0, ptr %var_6
  br label %block_1
block_1:
  %var_33 = load i64, ptr %var_6
  %var_7 = icmp sle i64 %var_33, 2
  store i1 true, ptr %var_8
  br i1 %var_7, label %block_2, label %block_3
block_2:
  %var_36 = load i1, ptr %var_8
  br i1 %var_36, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_8
  br label %block_2
block_4:
  %var_38 = load i64, ptr %var_6
  %var_9 = add i64 %var_38, 1
  %var_10 = sitofp i64 %var_9 to double
  %var_11 = fmul double 0.4, %var_10
  %var_39_offset_chk = icmp slt i64 %var_38, 0
  %var_39_offset = select i1 %var_39_offset_chk, i64 1, i64 0
  %var_39 = getelementptr [3 x ptr], ptr @array0, i64 %var_39_offset, i64 %var_38
  %var_12 = load ptr, ptr %var_39
  call void @Rx(double %var_11, ptr %var_12)
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @CNOT(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @CNOT(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @CNOT(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 1 to ptr))
  %var_15 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  br i1 %var_15, label %block_6, label %block_7
block_5:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 2, ptr @0)
  call void @__quantum__rt__array_record_output(i64 3, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @4)
  %var_37 = load i64, ptr %var_5
  call void @__quantum__rt__int_record_output(i64 %var_37, ptr @5)
  ret i64 0
block_6:
  store i64 1, ptr %var_17
  br label %block_8
block_7:
  store i64 0, ptr %var_17
  br label %block_8
block_8:
  %var_18 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_18, label %block_9, label %block_10
block_9:
  store i64 1, ptr %var_20
  br label %block_11
block_10:
  store i64 0, ptr %var_20
  br label %block_11
block_11:
  %var_42 = load i64, ptr %var_20
  %var_21 = mul i64 2, %var_42
  %var_43 = load i64, ptr %var_17
  %var_22 = add i64 %var_43, %var_21
  store i64 %var_22, ptr %var_23
  %var_45 = load i64, ptr %var_23
  %var_24 = icmp eq i64 %var_45, 1
  br i1 %var_24, label %block_12, label %block_13
block_12:
  call void @X(ptr inttoptr (i64 0 to ptr))
  %var_54 = load i64, ptr %var_5
  %var_25 = add i64 %var_54, 1
  store i64 %var_25, ptr %var_5
  br label %block_14
block_13:
  %var_46 = load i64, ptr %var_23
  %var_26 = icmp eq i64 %var_46, 3
  br i1 %var_26, label %block_15, label %block_16
block_14:
  %var_48 = load i64, ptr %var_6
  %var_30 = add i64 %var_48, 1
  store i64 %var_30, ptr %var_6
  br label %block_1
block_15:
  call void @X(ptr inttoptr (i64 1 to ptr))
  %var_52 = load i64, ptr %var_5
  %var_27 = add i64 %var_52, 1
  store i64 %var_27, ptr %var_5
  br label %block_17
block_16:
  %var_47 = load i64, ptr %var_23
  %var_28 = icmp eq i64 %var_47, 2
  br i1 %var_28, label %block_18, label %block_19
block_17:
  br label %block_14
block_18:
  call void @X(ptr inttoptr (i64 2 to ptr))
  %var_50 = load i64, ptr %var_5
  %var_29 = add i64 %var_50, 1
  store i64 %var_29, ptr %var_5
  br label %block_19
block_19:
  br label %block_17
}

declare void @__quantum__rt__initialize(ptr)

define internal void @X(ptr %var_2) {
block_20:
  call void @__quantum__qis__x__body(ptr %var_2)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @CNOT(ptr %var_3, ptr %var_4) {
block_21:
  call void @__quantum__qis__cx__body(ptr %var_3, ptr %var_4)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

define internal void @Rx(double %var_13, ptr %var_14) {
block_22:
  call void @__quantum__qis__rx__body(double %var_13, ptr %var_14)
  ret void
}

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

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
