@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0a\00"
@2 = internal constant [8 x i8] c"2_t0a0r\00"
@3 = internal constant [8 x i8] c"3_t0a1r\00"
@4 = internal constant [8 x i8] c"4_t0a2r\00"
@5 = internal constant [8 x i8] c"5_t0a3r\00"
@6 = internal constant [6 x i8] c"6_t1i\00"
@7 = internal constant [6 x i8] c"7_t2d\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_1 = alloca i64
  %var_2 = alloca double
  call void @__quantum__rt__initialize(ptr null)
  call void @X(ptr inttoptr (i64 1 to ptr))
  store i64 0, ptr %var_1
  store double 0.0, ptr %var_2
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @CRz(ptr inttoptr (i64 0 to ptr), double 34.55751918948772, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 17.27875959474386, ptr inttoptr (i64 0 to ptr))
  call void @R1(double -0.0, ptr inttoptr (i64 0 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  %var_24 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  br i1 %var_24, label %block_1, label %block_2
block_1:
  %var_79 = load i64, ptr %var_1
  %var_26 = add i64 %var_79, 1
  store i64 %var_26, ptr %var_1
  br label %block_2
block_2:
  %var_62 = load i64, ptr %var_1
  %var_27 = sitofp i64 %var_62 to double
  %var_28 = fmul double 6.283185307179586, %var_27
  %var_29 = fdiv double %var_28, 4.0
  store double %var_29, ptr %var_2
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @CRz(ptr inttoptr (i64 0 to ptr), double 17.27875959474386, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 8.63937979737193, ptr inttoptr (i64 0 to ptr))
  %var_64 = load double, ptr %var_2
  %var_32 = fmul double -1.0, %var_64
  call void @R1(double %var_32, ptr inttoptr (i64 0 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  %var_33 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_33, label %block_3, label %block_4
block_3:
  %var_77 = load i64, ptr %var_1
  %var_35 = add i64 %var_77, 2
  store i64 %var_35, ptr %var_1
  br label %block_4
block_4:
  %var_65 = load i64, ptr %var_1
  %var_36 = sitofp i64 %var_65 to double
  %var_37 = fmul double 6.283185307179586, %var_36
  %var_38 = fdiv double %var_37, 8.0
  store double %var_38, ptr %var_2
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @CRz(ptr inttoptr (i64 0 to ptr), double 8.63937979737193, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 4.319689898685965, ptr inttoptr (i64 0 to ptr))
  %var_67 = load double, ptr %var_2
  %var_41 = fmul double -1.0, %var_67
  call void @R1(double %var_41, ptr inttoptr (i64 0 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  %var_42 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 2 to ptr))
  br i1 %var_42, label %block_5, label %block_6
block_5:
  %var_75 = load i64, ptr %var_1
  %var_44 = add i64 %var_75, 4
  store i64 %var_44, ptr %var_1
  br label %block_6
block_6:
  %var_68 = load i64, ptr %var_1
  %var_45 = sitofp i64 %var_68 to double
  %var_46 = fmul double 6.283185307179586, %var_45
  %var_47 = fdiv double %var_46, 16.0
  store double %var_47, ptr %var_2
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @CRz(ptr inttoptr (i64 0 to ptr), double 4.319689898685965, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 2.1598449493429825, ptr inttoptr (i64 0 to ptr))
  %var_70 = load double, ptr %var_2
  %var_50 = fmul double -1.0, %var_70
  call void @R1(double %var_50, ptr inttoptr (i64 0 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 3 to ptr))
  %var_51 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 3 to ptr))
  br i1 %var_51, label %block_7, label %block_8
block_7:
  %var_73 = load i64, ptr %var_1
  %var_53 = add i64 %var_73, 8
  store i64 %var_53, ptr %var_1
  br label %block_8
block_8:
  %var_71 = load i64, ptr %var_1
  %var_54 = sitofp i64 %var_71 to double
  %var_55 = fmul double 6.283185307179586, %var_54
  %var_56 = fdiv double %var_55, 32.0
  store double %var_56, ptr %var_2
  call void @Reset(ptr inttoptr (i64 1 to ptr))
  %var_58 = sitofp i64 %var_71 to double
  %var_59 = fdiv double %var_58, 16.0
  call void @__quantum__rt__tuple_record_output(i64 3, ptr @0)
  call void @__quantum__rt__array_record_output(i64 4, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @4)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @5)
  call void @__quantum__rt__int_record_output(i64 %var_71, ptr @6)
  call void @__quantum__rt__double_record_output(double %var_59, ptr @7)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @X(ptr %var_0) {
block_9:
  call void @__quantum__qis__x__body(ptr %var_0)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @H(ptr %var_4) {
block_10:
  call void @__quantum__qis__h__body(ptr %var_4)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @CRz(ptr %var_6, double %var_7, ptr %var_8) {
block_11:
  %var_9 = fdiv double %var_7, 2.0
  call void @Rz(double %var_9, ptr %var_8)
  call void @CNOT(ptr %var_6, ptr %var_8)
  %var_14 = fmul double -1.0, %var_7
  %var_15 = fdiv double %var_14, 2.0
  call void @Rz(double %var_15, ptr %var_8)
  call void @CNOT(ptr %var_6, ptr %var_8)
  ret void
}

define internal void @Rz(double %var_10, ptr %var_11) {
block_12:
  call void @__quantum__qis__rz__body(double %var_10, ptr %var_11)
  ret void
}

declare void @__quantum__qis__rz__body(double, ptr)

define internal void @CNOT(ptr %var_12, ptr %var_13) {
block_13:
  call void @__quantum__qis__cx__body(ptr %var_12, ptr %var_13)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

define internal void @R1(double %var_17, ptr %var_18) {
block_14:
  call void @Rz(double %var_17, ptr %var_18)
  %var_19 = fmul double -1.0, %var_17
  %var_20 = fmul double -1.0, %var_19
  %var_21 = fdiv double %var_20, 2.0
  call void @ApplyGlobalPhase(double %var_21)
  ret void
}

define internal void @ApplyGlobalPhase(double %var_22) {
block_15:
  call void @ControllableGlobalPhase(double %var_22)
  ret void
}

define internal void @ControllableGlobalPhase(double %var_23) {
block_16:
  ret void
}

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @Reset(ptr %var_57) {
block_17:
  call void @__quantum__qis__reset__body(ptr %var_57)
  ret void
}

declare void @__quantum__qis__reset__body(ptr) #1

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__rt__double_record_output(double, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="4" }
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
