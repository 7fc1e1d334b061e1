@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@array0 = internal constant [3 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_1 = alloca i64
  %var_7 = alloca i64
  %var_9 = alloca i1
  %var_22 = alloca i64
  %var_27 = alloca i64
  %var_35 = alloca i64
  %var_40 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  store i64 0, ptr %var_1
  br label %block_1
block_1:
  %var_47 = load i64, ptr %var_1
  %var_2 = icmp slt i64 %var_47, 3
  br i1 %var_2, label %block_2, label %block_3
block_2:
  %var_75 = load i64, ptr %var_1
  %var_76_offset_chk = icmp slt i64 %var_75, 0
  %var_76_offset = select i1 %var_76_offset_chk, i64 1, i64 0
  %var_76 = getelementptr [3 x ptr], ptr @array0, i64 %var_76_offset, i64 %var_75
  %var_3 = load ptr, ptr %var_76
  call void @H(ptr %var_3)
  %var_6 = add i64 %var_75, 1
  store i64 %var_6, ptr %var_1
  br label %block_1
block_3:
  store i64 1, ptr %var_7
  br label %block_4
block_4:
  %var_49 = load i64, ptr %var_7
  %var_8 = icmp sle i64 %var_49, 2
  store i1 true, ptr %var_9
  br i1 %var_8, label %block_5, label %block_6
block_5:
  %var_52 = load i1, ptr %var_9
  br i1 %var_52, label %block_7, label %block_8
block_6:
  store i1 false, ptr %var_9
  br label %block_5
block_7:
  call void @X(ptr inttoptr (i64 1 to ptr))
  call void @CCZ(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @X__Adj(ptr inttoptr (i64 1 to ptr))
  store i64 0, ptr %var_22
  br label %block_9
block_8:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__array_record_output(i64 3, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  ret i64 0
block_9:
  %var_54 = load i64, ptr %var_22
  %var_23 = icmp slt i64 %var_54, 3
  br i1 %var_23, label %block_10, label %block_11
block_10:
  %var_72 = load i64, ptr %var_22
  %var_73_offset_chk = icmp slt i64 %var_72, 0
  %var_73_offset = select i1 %var_73_offset_chk, i64 1, i64 0
  %var_73 = getelementptr [3 x ptr], ptr @array0, i64 %var_73_offset, i64 %var_72
  %var_24 = load ptr, ptr %var_73
  call void @H(ptr %var_24)
  %var_26 = add i64 %var_72, 1
  store i64 %var_26, ptr %var_22
  br label %block_9
block_11:
  store i64 0, ptr %var_27
  br label %block_12
block_12:
  %var_56 = load i64, ptr %var_27
  %var_28 = icmp slt i64 %var_56, 3
  br i1 %var_28, label %block_13, label %block_14
block_13:
  %var_69 = load i64, ptr %var_27
  %var_70_offset_chk = icmp slt i64 %var_69, 0
  %var_70_offset = select i1 %var_70_offset_chk, i64 1, i64 0
  %var_70 = getelementptr [3 x ptr], ptr @array0, i64 %var_70_offset, i64 %var_69
  %var_29 = load ptr, ptr %var_70
  call void @X(ptr %var_29)
  %var_31 = add i64 %var_69, 1
  store i64 %var_31, ptr %var_27
  br label %block_12
block_14:
  call void @CCZ(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  store i64 2, ptr %var_35
  br label %block_15
block_15:
  %var_58 = load i64, ptr %var_35
  %var_36 = icmp sge i64 %var_58, 0
  br i1 %var_36, label %block_16, label %block_17
block_16:
  %var_66 = load i64, ptr %var_35
  %var_67_offset_chk = icmp slt i64 %var_66, 0
  %var_67_offset = select i1 %var_67_offset_chk, i64 1, i64 0
  %var_67 = getelementptr [3 x ptr], ptr @array0, i64 %var_67_offset, i64 %var_66
  %var_37 = load ptr, ptr %var_67
  call void @X__Adj(ptr %var_37)
  %var_39 = add i64 %var_66, -1
  store i64 %var_39, ptr %var_35
  br label %block_15
block_17:
  store i64 2, ptr %var_40
  br label %block_18
block_18:
  %var_60 = load i64, ptr %var_40
  %var_41 = icmp sge i64 %var_60, 0
  br i1 %var_41, label %block_19, label %block_20
block_19:
  %var_63 = load i64, ptr %var_40
  %var_64_offset_chk = icmp slt i64 %var_63, 0
  %var_64_offset = select i1 %var_64_offset_chk, i64 1, i64 0
  %var_64 = getelementptr [3 x ptr], ptr @array0, i64 %var_64_offset, i64 %var_63
  %var_42 = load ptr, ptr %var_64
  call void @H__Adj(ptr %var_42)
  %var_44 = add i64 %var_63, -1
  store i64 %var_44, ptr %var_40
  br label %block_18
block_20:
  %var_61 = load i64, ptr %var_7
  %var_45 = add i64 %var_61, 1
  store i64 %var_45, ptr %var_7
  br label %block_4
}

declare void @__quantum__rt__initialize(ptr)

define internal void @H(ptr %var_5) {
block_21:
  call void @__quantum__qis__h__body(ptr %var_5)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @X(ptr %var_10) {
block_22:
  call void @__quantum__qis__x__body(ptr %var_10)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @CCZ(ptr %var_14, ptr %var_15, ptr %var_16) {
block_23:
  call void @H(ptr %var_16)
  call void @CCNOT(ptr %var_14, ptr %var_15, ptr %var_16)
  call void @H__Adj(ptr %var_16)
  ret void
}

define internal void @CCNOT(ptr %var_17, ptr %var_18, ptr %var_19) {
block_24:
  call void @__quantum__qis__ccx__body(ptr %var_17, ptr %var_18, ptr %var_19)
  ret void
}

declare void @__quantum__qis__ccx__body(ptr, ptr, ptr)

define internal void @H__Adj(ptr %var_20) {
block_25:
  call void @__quantum__qis__h__body(ptr %var_20)
  ret void
}

define internal void @X__Adj(ptr %var_21) {
block_26:
  call void @__quantum__qis__x__body(ptr %var_21)
  ret void
}

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="3" "required_num_results"="3" }
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
