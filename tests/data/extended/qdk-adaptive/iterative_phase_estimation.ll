@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@array0 = internal constant [0 x ptr] []
@array1 = internal constant [1 x ptr] [ptr inttoptr (i64 0 to ptr)]
@array2 = internal constant [2 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_12 = alloca i64
  %var_14 = alloca i1
  %var_31 = alloca i64
  %var_33 = alloca i1
  %var_50 = alloca i64
  %var_52 = alloca i1
  call void @__quantum__rt__initialize(ptr null)
  call void @X(ptr inttoptr (i64 1 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @R1(double 15.707963267948966, ptr inttoptr (i64 0 to ptr))
  store i64 0, ptr %var_12
  br label %block_1
block_1:
  %var_70 = load i64, ptr %var_12
  %var_13 = icmp sle i64 %var_70, -1
  store i1 true, ptr %var_14
  br i1 %var_13, label %block_2, label %block_3
block_2:
  %var_73 = load i1, ptr %var_14
  br i1 %var_73, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_14
  br label %block_2
block_4:
  %var_94 = load i64, ptr %var_12
  %var_95_offset_chk = icmp slt i64 %var_94, 0
  %var_95_offset = select i1 %var_95_offset_chk, i64 1, i64 0
  %var_95 = getelementptr [0 x ptr], ptr @array0, i64 %var_95_offset, i64 %var_94
  %var_15 = load ptr, ptr %var_95
  %var_16 = call zeroext i1 @__quantum__rt__read_result(ptr %var_15)
  br i1 %var_16, label %block_6, label %block_8
block_5:
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @R1(double 7.853981633974483, ptr inttoptr (i64 0 to ptr))
  store i64 0, ptr %var_31
  br label %block_7
block_6:
  %var_98 = load i64, ptr %var_12
  %var_18 = sub i64 0, %var_98
  %var_19 = add i64 %var_18, 1
  %var_20 = ashr i64 %var_19, 63
  %var_21 = xor i64 %var_19, %var_20
  %var_22 = sub i64 %var_21, %var_20
  %var_23 = shl i64 1, %var_22
  %var_24 = ashr i64 1, %var_22
  %var_25 = xor i64 %var_23, %var_24
  %var_26 = and i64 %var_25, %var_20
  %var_27 = xor i64 %var_23, %var_26
  %var_28 = sitofp i64 %var_27 to double
  %var_29 = fdiv double -6.283185307179586, %var_28
  call void @R1(double %var_29, ptr inttoptr (i64 0 to ptr))
  br label %block_8
block_7:
  %var_75 = load i64, ptr %var_31
  %var_32 = icmp sle i64 %var_75, 0
  store i1 true, ptr %var_33
  br i1 %var_32, label %block_9, label %block_10
block_8:
  %var_96 = load i64, ptr %var_12
  %var_30 = add i64 %var_96, 1
  store i64 %var_30, ptr %var_12
  br label %block_1
block_9:
  %var_78 = load i1, ptr %var_33
  br i1 %var_78, label %block_11, label %block_12
block_10:
  store i1 false, ptr %var_33
  br label %block_9
block_11:
  %var_89 = load i64, ptr %var_31
  %var_90_offset_chk = icmp slt i64 %var_89, 0
  %var_90_offset = select i1 %var_90_offset_chk, i64 1, i64 0
  %var_90 = getelementptr [1 x ptr], ptr @array1, i64 %var_90_offset, i64 %var_89
  %var_34 = load ptr, ptr %var_90
  %var_35 = call zeroext i1 @__quantum__rt__read_result(ptr %var_34)
  br i1 %var_35, label %block_13, label %block_15
block_12:
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @R1(double 3.9269908169872414, ptr inttoptr (i64 0 to ptr))
  store i64 0, ptr %var_50
  br label %block_14
block_13:
  %var_93 = load i64, ptr %var_31
  %var_37 = sub i64 1, %var_93
  %var_38 = add i64 %var_37, 1
  %var_39 = ashr i64 %var_38, 63
  %var_40 = xor i64 %var_38, %var_39
  %var_41 = sub i64 %var_40, %var_39
  %var_42 = shl i64 1, %var_41
  %var_43 = ashr i64 1, %var_41
  %var_44 = xor i64 %var_42, %var_43
  %var_45 = and i64 %var_44, %var_39
  %var_46 = xor i64 %var_42, %var_45
  %var_47 = sitofp i64 %var_46 to double
  %var_48 = fdiv double -6.283185307179586, %var_47
  call void @R1(double %var_48, ptr inttoptr (i64 0 to ptr))
  br label %block_15
block_14:
  %var_80 = load i64, ptr %var_50
  %var_51 = icmp sle i64 %var_80, 1
  store i1 true, ptr %var_52
  br i1 %var_51, label %block_16, label %block_17
block_15:
  %var_91 = load i64, ptr %var_31
  %var_49 = add i64 %var_91, 1
  store i64 %var_49, ptr %var_31
  br label %block_7
block_16:
  %var_83 = load i1, ptr %var_52
  br i1 %var_83, label %block_18, label %block_19
block_17:
  store i1 false, ptr %var_52
  br label %block_16
block_18:
  %var_84 = load i64, ptr %var_50
  %var_85_offset_chk = icmp slt i64 %var_84, 0
  %var_85_offset = select i1 %var_85_offset_chk, i64 1, i64 0
  %var_85 = getelementptr [2 x ptr], ptr @array2, i64 %var_85_offset, i64 %var_84
  %var_53 = load ptr, ptr %var_85
  %var_54 = call zeroext i1 @__quantum__rt__read_result(ptr %var_53)
  br i1 %var_54, label %block_20, label %block_21
block_19:
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @Reset(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__array_record_output(i64 3, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  ret i64 0
block_20:
  %var_88 = load i64, ptr %var_50
  %var_56 = sub i64 2, %var_88
  %var_57 = add i64 %var_56, 1
  %var_58 = ashr i64 %var_57, 63
  %var_59 = xor i64 %var_57, %var_58
  %var_60 = sub i64 %var_59, %var_58
  %var_61 = shl i64 1, %var_60
  %var_62 = ashr i64 1, %var_60
  %var_63 = xor i64 %var_61, %var_62
  %var_64 = and i64 %var_63, %var_58
  %var_65 = xor i64 %var_61, %var_64
  %var_66 = sitofp i64 %var_65 to double
  %var_67 = fdiv double -6.283185307179586, %var_66
  call void @R1(double %var_67, ptr inttoptr (i64 0 to ptr))
  br label %block_21
block_21:
  %var_86 = load i64, ptr %var_50
  %var_68 = add i64 %var_86, 1
  store i64 %var_68, ptr %var_50
  br label %block_14
}

declare void @__quantum__rt__initialize(ptr)

define internal void @X(ptr %var_0) {
block_22:
  call void @__quantum__qis__x__body(ptr %var_0)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @H(ptr %var_2) {
block_23:
  call void @__quantum__qis__h__body(ptr %var_2)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @R1(double %var_3, ptr %var_4) {
block_24:
  call void @Rz(double %var_3, ptr %var_4)
  %var_7 = fmul double -1.0, %var_3
  %var_8 = fmul double -1.0, %var_7
  %var_9 = fdiv double %var_8, 2.0
  call void @ApplyGlobalPhase(double %var_9)
  ret void
}

define internal void @Rz(double %var_5, ptr %var_6) {
block_25:
  call void @__quantum__qis__rz__body(double %var_5, ptr %var_6)
  ret void
}

declare void @__quantum__qis__rz__body(double, ptr)

define internal void @ApplyGlobalPhase(double %var_10) {
block_26:
  call void @ControllableGlobalPhase(double %var_10)
  ret void
}

define internal void @ControllableGlobalPhase(double %var_11) {
block_27:
  ret void
}

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

define internal void @Reset(ptr %var_69) {
block_28:
  call void @__quantum__qis__reset__body(ptr %var_69)
  ret void
}

declare void @__quantum__qis__reset__body(ptr) #1

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="3" }
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
