@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0a\00"
@2 = internal constant [8 x i8] c"2_t0a0r\00"
@3 = internal constant [8 x i8] c"3_t0a1r\00"
@4 = internal constant [8 x i8] c"4_t0a2r\00"
@5 = internal constant [8 x i8] c"5_t0a3r\00"
@6 = internal constant [8 x i8] c"6_t0a4r\00"
@7 = internal constant [8 x i8] c"7_t0a5r\00"
@8 = internal constant [6 x i8] c"8_t1i\00"
@9 = internal constant [6 x i8] c"9_t2b\00"
@array0 = internal constant [6 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr)]
@array1 = internal constant [6 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_2 = alloca i64
  %var_4 = alloca i1
  %var_12 = alloca i64
  %var_13 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  call void @H(ptr inttoptr (i64 0 to ptr))
  store i64 1, ptr %var_2
  br label %block_1
block_1:
  %var_24 = load i64, ptr %var_2
  %var_3 = icmp sle i64 %var_24, 5
  store i1 true, ptr %var_4
  br i1 %var_3, label %block_2, label %block_3
block_2:
  %var_27 = load i1, ptr %var_4
  br i1 %var_27, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_4
  br label %block_2
block_4:
  %var_38 = load i64, ptr %var_2
  %var_5 = sub i64 %var_38, 1
  %var_39_offset_chk = icmp slt i64 %var_5, 0
  %var_39_offset = select i1 %var_39_offset_chk, i64 1, i64 0
  %var_39 = getelementptr [6 x ptr], ptr @array0, i64 %var_39_offset, i64 %var_5
  %var_6 = load ptr, ptr %var_39
  %var_40_offset_chk = icmp slt i64 %var_38, 0
  %var_40_offset = select i1 %var_40_offset_chk, i64 1, i64 0
  %var_40 = getelementptr [6 x ptr], ptr @array0, i64 %var_40_offset, i64 %var_38
  %var_7 = load ptr, ptr %var_40
  call void @CNOT(ptr %var_6, ptr %var_7)
  %var_10 = add i64 %var_38, 1
  store i64 %var_10, ptr %var_2
  br label %block_1
block_5:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  store i64 0, ptr %var_12
  store i64 0, ptr %var_13
  br label %block_6
block_6:
  %var_30 = load i64, ptr %var_13
  %var_14 = icmp slt i64 %var_30, 6
  br i1 %var_14, label %block_7, label %block_8
block_7:
  %var_32 = load i64, ptr %var_13
  %var_33_offset_chk = icmp slt i64 %var_32, 0
  %var_33_offset = select i1 %var_33_offset_chk, i64 1, i64 0
  %var_33 = getelementptr [6 x ptr], ptr @array1, i64 %var_33_offset, i64 %var_32
  %var_15 = load ptr, ptr %var_33
  %var_17 = call zeroext i1 @__quantum__rt__read_result(ptr %var_15)
  br i1 %var_17, label %block_9, label %block_10
block_8:
  %var_31 = load i64, ptr %var_12
  %var_21 = srem i64 %var_31, 2
  %var_22 = icmp eq i64 %var_21, 0
  call void @__quantum__rt__tuple_record_output(i64 3, ptr @0)
  call void @__quantum__rt__array_record_output(i64 6, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @4)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @5)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @6)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @7)
  call void @__quantum__rt__int_record_output(i64 %var_31, ptr @8)
  call void @__quantum__rt__bool_record_output(i1 zeroext %var_22, ptr @9)
  ret i64 0
block_9:
  %var_36 = load i64, ptr %var_12
  %var_19 = add i64 %var_36, 1
  store i64 %var_19, ptr %var_12
  br label %block_10
block_10:
  %var_34 = load i64, ptr %var_13
  %var_20 = add i64 %var_34, 1
  store i64 %var_20, ptr %var_13
  br label %block_6
}

declare void @__quantum__rt__initialize(ptr)

define internal void @H(ptr %var_1) {
block_11:
  call void @__quantum__qis__h__body(ptr %var_1)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @CNOT(ptr %var_8, ptr %var_9) {
block_12:
  call void @__quantum__qis__cx__body(ptr %var_8, ptr %var_9)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__rt__bool_record_output(i1 zeroext, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="6" "required_num_results"="6" }
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
