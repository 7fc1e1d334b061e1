@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@array0 = internal constant [3 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_13 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  call void @Ry(double 1.1, ptr inttoptr (i64 0 to ptr))
  call void @H(ptr inttoptr (i64 1 to ptr))
  call void @CNOT(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__m__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 0 to ptr))
  %var_5 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  br i1 %var_5, label %block_1, label %block_2
block_1:
  call void @X(ptr inttoptr (i64 2 to ptr))
  br label %block_2
block_2:
  call void @__quantum__qis__m__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  %var_9 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_9, label %block_3, label %block_4
block_3:
  call void @Z(ptr inttoptr (i64 2 to ptr))
  br label %block_4
block_4:
  call void @Ry(double -1.1, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__m__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  store i64 0, ptr %var_13
  br label %block_5
block_5:
  %var_20 = load i64, ptr %var_13
  %var_14 = icmp slt i64 %var_20, 3
  br i1 %var_14, label %block_6, label %block_7
block_6:
  %var_21 = load i64, ptr %var_13
  %var_22_offset_chk = icmp slt i64 %var_21, 0
  %var_22_offset = select i1 %var_22_offset_chk, i64 1, i64 0
  %var_22 = getelementptr [3 x ptr], ptr @array0, i64 %var_22_offset, i64 %var_21
  %var_15 = load ptr, ptr %var_22
  call void @Reset(ptr %var_15)
  %var_18 = add i64 %var_21, 1
  store i64 %var_18, ptr %var_13
  br label %block_5
block_7:
  call void @__quantum__rt__array_record_output(i64 1, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @1)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @Ry(double %var_0, ptr %var_1) {
block_8:
  call void @__quantum__qis__ry__body(double %var_0, ptr %var_1)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

define internal void @H(ptr %var_2) {
block_9:
  call void @__quantum__qis__h__body(ptr %var_2)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @CNOT(ptr %var_3, ptr %var_4) {
block_10:
  call void @__quantum__qis__cx__body(ptr %var_3, ptr %var_4)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

declare void @__quantum__qis__m__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @X(ptr %var_8) {
block_11:
  call void @__quantum__qis__x__body(ptr %var_8)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @Z(ptr %var_12) {
block_12:
  call void @__quantum__qis__z__body(ptr %var_12)
  ret void
}

declare void @__quantum__qis__z__body(ptr)

define internal void @Reset(ptr %var_17) {
block_13:
  call void @__quantum__qis__reset__body(ptr %var_17)
  ret void
}

declare void @__quantum__qis__reset__body(ptr) #1

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
