@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0i\00"
@2 = internal constant [6 x i8] c"2_t1i\00"
@3 = internal constant [6 x i8] c"3_t2b\00"
@4 = internal constant [6 x i8] c"4_t3r\00"
@array0 = internal constant [5 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr)]
@array1 = internal constant [5 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_1 = alloca i64
  %var_3 = alloca i1
  %var_12 = alloca i64
  %var_13 = alloca i64
  %var_15 = alloca i1
  %var_29 = alloca i64
  %var_30 = alloca i64
  %var_31 = alloca i1
  %var_32 = alloca i64
  %var_45 = alloca i1
  call void @__quantum__rt__initialize(ptr null)
  store i64 0, ptr %var_1
  br label %block_1
block_1:
  %var_48 = load i64, ptr %var_1
  %var_2 = icmp sle i64 %var_48, 4
  store i1 true, ptr %var_3
  br i1 %var_2, label %block_2, label %block_3
block_2:
  %var_51 = load i1, ptr %var_3
  br i1 %var_51, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_3
  br label %block_2
block_4:
  %var_88 = load i64, ptr %var_1
  %var_4 = add i64 %var_88, 1
  %var_5 = sitofp i64 %var_4 to double
  %var_6 = fmul double 0.3, %var_5
  %var_89_offset_chk = icmp slt i64 %var_88, 0
  %var_89_offset = select i1 %var_89_offset_chk, i64 1, i64 0
  %var_89 = getelementptr [5 x ptr], ptr @array0, i64 %var_89_offset, i64 %var_88
  %var_7 = load ptr, ptr %var_89
  call void @Ry(double %var_6, ptr %var_7)
  %var_10 = add i64 %var_88, 1
  store i64 %var_10, ptr %var_1
  br label %block_1
block_5:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  store i64 0, ptr %var_12
  store i64 0, ptr %var_13
  br label %block_6
block_6:
  %var_54 = load i64, ptr %var_13
  %var_14 = icmp sle i64 %var_54, 4
  store i1 true, ptr %var_15
  br i1 %var_14, label %block_7, label %block_8
block_7:
  %var_57 = load i1, ptr %var_15
  br i1 %var_57, label %block_9, label %block_10
block_8:
  store i1 false, ptr %var_15
  br label %block_7
block_9:
  %var_81 = load i64, ptr %var_13
  %var_82_offset_chk = icmp slt i64 %var_81, 0
  %var_82_offset = select i1 %var_82_offset_chk, i64 1, i64 0
  %var_82 = getelementptr [5 x ptr], ptr @array1, i64 %var_82_offset, i64 %var_81
  %var_16 = load ptr, ptr %var_82
  %var_17 = call zeroext i1 @__quantum__rt__read_result(ptr %var_16)
  br i1 %var_17, label %block_11, label %block_13
block_10:
  %var_58 = load i64, ptr %var_12
  store i64 %var_58, ptr %var_29
  store i64 0, ptr %var_30
  store i1 false, ptr %var_31
  store i64 0, ptr %var_32
  br label %block_12
block_11:
  %var_85 = load i64, ptr %var_13
  %var_19 = ashr i64 %var_85, 63
  %var_20 = xor i64 %var_85, %var_19
  %var_21 = sub i64 %var_20, %var_19
  %var_22 = shl i64 1, %var_21
  %var_23 = ashr i64 1, %var_21
  %var_24 = xor i64 %var_22, %var_23
  %var_25 = and i64 %var_24, %var_19
  %var_26 = xor i64 %var_22, %var_25
  %var_86 = load i64, ptr %var_12
  %var_27 = or i64 %var_86, %var_26
  store i64 %var_27, ptr %var_12
  br label %block_13
block_12:
  %var_63 = load i64, ptr %var_32
  %var_33 = icmp slt i64 %var_63, 5
  br i1 %var_33, label %block_14, label %block_15
block_13:
  %var_83 = load i64, ptr %var_13
  %var_28 = add i64 %var_83, 1
  store i64 %var_28, ptr %var_13
  br label %block_6
block_14:
  %var_73 = load i64, ptr %var_32
  %var_74_offset_chk = icmp slt i64 %var_73, 0
  %var_74_offset = select i1 %var_74_offset_chk, i64 1, i64 0
  %var_74 = getelementptr [5 x ptr], ptr @array1, i64 %var_74_offset, i64 %var_73
  %var_34 = load ptr, ptr %var_74
  %var_36 = call zeroext i1 @__quantum__rt__read_result(ptr %var_34)
  br i1 %var_36, label %block_16, label %block_19
block_15:
  %var_64 = load i64, ptr %var_29
  %var_41 = srem i64 %var_64, 3
  %var_42 = icmp eq i64 %var_41, 1
  br i1 %var_42, label %block_17, label %block_18
block_16:
  %var_77 = load i64, ptr %var_30
  %var_38 = add i64 %var_77, 1
  store i64 %var_38, ptr %var_30
  %var_79 = load i1, ptr %var_31
  %var_39 = xor i1 %var_79, true
  store i1 %var_39, ptr %var_31
  br label %block_19
block_17:
  call void @X(ptr inttoptr (i64 5 to ptr))
  br label %block_20
block_18:
  %var_65 = load i64, ptr %var_29
  %var_44 = icmp sge i64 %var_65, 20
  store i1 false, ptr %var_45
  br i1 %var_44, label %block_21, label %block_22
block_19:
  %var_75 = load i64, ptr %var_32
  %var_40 = add i64 %var_75, 1
  store i64 %var_40, ptr %var_32
  br label %block_12
block_20:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 4, ptr @0)
  %var_68 = load i64, ptr %var_29
  call void @__quantum__rt__int_record_output(i64 %var_68, ptr @1)
  %var_69 = load i64, ptr %var_30
  call void @__quantum__rt__int_record_output(i64 %var_69, ptr @2)
  %var_70 = load i1, ptr %var_31
  call void @__quantum__rt__bool_record_output(i1 zeroext %var_70, ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @4)
  ret i64 0
block_21:
  %var_71 = load i64, ptr %var_30
  %var_46 = icmp sle i64 %var_71, 3
  store i1 %var_46, ptr %var_45
  br label %block_22
block_22:
  %var_67 = load i1, ptr %var_45
  br i1 %var_67, label %block_23, label %block_24
block_23:
  call void @H(ptr inttoptr (i64 5 to ptr))
  br label %block_24
block_24:
  br label %block_20
}

declare void @__quantum__rt__initialize(ptr)

define internal void @Ry(double %var_8, ptr %var_9) {
block_25:
  call void @__quantum__qis__ry__body(double %var_8, ptr %var_9)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @X(ptr %var_43) {
block_26:
  call void @__quantum__qis__x__body(ptr %var_43)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @H(ptr %var_47) {
block_27:
  call void @__quantum__qis__h__body(ptr %var_47)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__rt__bool_record_output(i1 zeroext, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

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
