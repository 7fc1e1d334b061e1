@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@4 = internal constant [6 x i8] c"4_a3r\00"
@array0 = internal constant [3 x ptr] [ptr inttoptr (i64 7 to ptr), ptr inttoptr (i64 8 to ptr), ptr inttoptr (i64 9 to ptr)]
@array1 = internal constant [3 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr)]
@array2 = internal constant [4 x ptr] [ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 6 to ptr)]
@array3 = internal constant [6 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 7 to ptr), ptr inttoptr (i64 8 to ptr), ptr inttoptr (i64 9 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_4 = alloca i64
  %var_6 = alloca i1
  %var_11 = alloca ptr
  %var_27 = alloca i64
  %var_48 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  call void @X(ptr inttoptr (i64 0 to ptr))
  call void @X(ptr inttoptr (i64 2 to ptr))
  call void @X(ptr inttoptr (i64 3 to ptr))
  call void @X(ptr inttoptr (i64 4 to ptr))
  store i64 0, ptr %var_4
  br label %block_1
block_1:
  %var_55 = load i64, ptr %var_4
  %var_5 = icmp sle i64 %var_55, 2
  store i1 true, ptr %var_6
  br i1 %var_5, label %block_2, label %block_3
block_2:
  %var_58 = load i1, ptr %var_6
  br i1 %var_58, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_6
  br label %block_2
block_4:
  %var_75 = load i64, ptr %var_4
  %var_76_offset_chk = icmp slt i64 %var_75, 0
  %var_76_offset = select i1 %var_76_offset_chk, i64 1, i64 0
  %var_76 = getelementptr [3 x ptr], ptr @array0, i64 %var_76_offset, i64 %var_75
  %var_7 = load ptr, ptr %var_76
  %var_77_offset_chk = icmp slt i64 %var_75, 0
  %var_77_offset = select i1 %var_77_offset_chk, i64 1, i64 0
  %var_77 = getelementptr [3 x ptr], ptr @array1, i64 %var_77_offset, i64 %var_75
  %var_8 = load ptr, ptr %var_77
  %var_78_offset_chk = icmp slt i64 %var_75, 0
  %var_78_offset = select i1 %var_78_offset_chk, i64 1, i64 0
  %var_78 = getelementptr [4 x ptr], ptr @array2, i64 %var_78_offset, i64 %var_75
  %var_9 = load ptr, ptr %var_78
  %var_10 = icmp slt i64 %var_75, 2
  br i1 %var_10, label %block_6, label %block_7
block_5:
  call void @CNOT(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @Sum(ptr inttoptr (i64 9 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 5 to ptr))
  store i64 1, ptr %var_27
  br label %block_8
block_6:
  %var_83 = load i64, ptr %var_4
  %var_12 = add i64 %var_83, 1
  %var_84_offset_chk = icmp slt i64 %var_12, 0
  %var_84_offset = select i1 %var_84_offset_chk, i64 1, i64 0
  %var_84 = getelementptr [3 x ptr], ptr @array0, i64 %var_84_offset, i64 %var_12
  %var_13 = load ptr, ptr %var_84
  store ptr %var_13, ptr %var_11
  br label %block_9
block_7:
  store ptr inttoptr (i64 6 to ptr), ptr %var_11
  br label %block_9
block_8:
  %var_60 = load i64, ptr %var_27
  %var_28 = icmp sge i64 %var_60, 0
  br i1 %var_28, label %block_10, label %block_11
block_9:
  %var_80 = load ptr, ptr %var_11
  call void @Carry(ptr %var_7, ptr %var_8, ptr %var_9, ptr %var_80)
  %var_81 = load i64, ptr %var_4
  %var_23 = add i64 %var_81, 1
  store i64 %var_23, ptr %var_4
  br label %block_1
block_10:
  %var_66 = load i64, ptr %var_27
  %var_67_offset_chk = icmp slt i64 %var_66, 0
  %var_67_offset = select i1 %var_67_offset_chk, i64 1, i64 0
  %var_67 = getelementptr [3 x ptr], ptr @array0, i64 %var_67_offset, i64 %var_66
  %var_29 = load ptr, ptr %var_67
  %var_68_offset_chk = icmp slt i64 %var_66, 0
  %var_68_offset = select i1 %var_68_offset_chk, i64 1, i64 0
  %var_68 = getelementptr [3 x ptr], ptr @array1, i64 %var_68_offset, i64 %var_66
  %var_30 = load ptr, ptr %var_68
  %var_69_offset_chk = icmp slt i64 %var_66, 0
  %var_69_offset = select i1 %var_69_offset_chk, i64 1, i64 0
  %var_69 = getelementptr [4 x ptr], ptr @array2, i64 %var_69_offset, i64 %var_66
  %var_31 = load ptr, ptr %var_69
  %var_32 = add i64 %var_66, 1
  %var_70_offset_chk = icmp slt i64 %var_32, 0
  %var_70_offset = select i1 %var_70_offset_chk, i64 1, i64 0
  %var_70 = getelementptr [3 x ptr], ptr @array0, i64 %var_70_offset, i64 %var_32
  %var_33 = load ptr, ptr %var_70
  call void @Carry__Adj(ptr %var_29, ptr %var_30, ptr %var_31, ptr %var_33)
  %var_71_offset_chk = icmp slt i64 %var_66, 0
  %var_71_offset = select i1 %var_71_offset_chk, i64 1, i64 0
  %var_71 = getelementptr [3 x ptr], ptr @array0, i64 %var_71_offset, i64 %var_66
  %var_43 = load ptr, ptr %var_71
  %var_72_offset_chk = icmp slt i64 %var_66, 0
  %var_72_offset = select i1 %var_72_offset_chk, i64 1, i64 0
  %var_72 = getelementptr [3 x ptr], ptr @array1, i64 %var_72_offset, i64 %var_66
  %var_44 = load ptr, ptr %var_72
  %var_73_offset_chk = icmp slt i64 %var_66, 0
  %var_73_offset = select i1 %var_73_offset_chk, i64 1, i64 0
  %var_73 = getelementptr [4 x ptr], ptr @array2, i64 %var_73_offset, i64 %var_66
  %var_45 = load ptr, ptr %var_73
  call void @Sum(ptr %var_43, ptr %var_44, ptr %var_45)
  %var_46 = add i64 %var_66, -1
  store i64 %var_46, ptr %var_27
  br label %block_8
block_11:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 6 to ptr), ptr inttoptr (i64 3 to ptr))
  store i64 0, ptr %var_48
  br label %block_12
block_12:
  %var_62 = load i64, ptr %var_48
  %var_49 = icmp slt i64 %var_62, 6
  br i1 %var_49, label %block_13, label %block_14
block_13:
  %var_63 = load i64, ptr %var_48
  %var_64_offset_chk = icmp slt i64 %var_63, 0
  %var_64_offset = select i1 %var_64_offset_chk, i64 1, i64 0
  %var_64 = getelementptr [6 x ptr], ptr @array3, i64 %var_64_offset, i64 %var_63
  %var_50 = load ptr, ptr %var_64
  call void @Reset(ptr %var_50)
  %var_53 = add i64 %var_63, 1
  store i64 %var_53, ptr %var_48
  br label %block_12
block_14:
  call void @__quantum__rt__array_record_output(i64 4, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @4)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @X(ptr %var_3) {
block_15:
  call void @__quantum__qis__x__body(ptr %var_3)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @Carry(ptr %var_14, ptr %var_15, ptr %var_16, ptr %var_17) {
block_16:
  call void @CCNOT(ptr %var_15, ptr %var_16, ptr %var_17)
  call void @CNOT(ptr %var_15, ptr %var_16)
  call void @CCNOT(ptr %var_14, ptr %var_16, ptr %var_17)
  ret void
}

define internal void @CCNOT(ptr %var_18, ptr %var_19, ptr %var_20) {
block_17:
  call void @__quantum__qis__ccx__body(ptr %var_18, ptr %var_19, ptr %var_20)
  ret void
}

declare void @__quantum__qis__ccx__body(ptr, ptr, ptr)

define internal void @CNOT(ptr %var_21, ptr %var_22) {
block_18:
  call void @__quantum__qis__cx__body(ptr %var_21, ptr %var_22)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

define internal void @Sum(ptr %var_24, ptr %var_25, ptr %var_26) {
block_19:
  call void @CNOT(ptr %var_25, ptr %var_26)
  call void @CNOT(ptr %var_24, ptr %var_26)
  ret void
}

define internal void @Carry__Adj(ptr %var_34, ptr %var_35, ptr %var_36, ptr %var_37) {
block_20:
  call void @CCNOT__Adj(ptr %var_34, ptr %var_36, ptr %var_37)
  call void @CNOT__Adj(ptr %var_35, ptr %var_36)
  call void @CCNOT__Adj(ptr %var_35, ptr %var_36, ptr %var_37)
  ret void
}

define internal void @CCNOT__Adj(ptr %var_38, ptr %var_39, ptr %var_40) {
block_21:
  call void @__quantum__qis__ccx__body(ptr %var_38, ptr %var_39, ptr %var_40)
  ret void
}

define internal void @CNOT__Adj(ptr %var_41, ptr %var_42) {
block_22:
  call void @__quantum__qis__cx__body(ptr %var_41, ptr %var_42)
  ret void
}

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

define internal void @Reset(ptr %var_52) {
block_23:
  call void @__quantum__qis__reset__body(ptr %var_52)
  ret void
}

declare void @__quantum__qis__reset__body(ptr) #1

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="10" "required_num_results"="4" }
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
