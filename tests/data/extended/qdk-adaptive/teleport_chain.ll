@0 = internal constant [4 x i8] c"0_r\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  call void @__quantum__rt__initialize(ptr null)
  call void @Rx(double 0.9, ptr inttoptr (i64 0 to ptr))
  call void @Teleport(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @Teleport(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @Rx(double -0.9, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @0)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @Rx(double %var_1, ptr %var_2) {
block_1:
  call void @__quantum__qis__rx__body(double %var_1, ptr %var_2)
  ret void
}

declare void @__quantum__qis__rx__body(double, ptr)

define internal void @Teleport(ptr %var_3, ptr %var_4, ptr %var_5) {
block_2:
  call void @H(ptr %var_4)
  call void @CNOT(ptr %var_4, ptr %var_5)
  call void @CNOT(ptr %var_3, ptr %var_4)
  call void @H(ptr %var_3)
  call void @__quantum__qis__mresetz__body(ptr %var_4, ptr inttoptr (i64 0 to ptr))
  %var_9 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  br i1 %var_9, label %block_3, label %block_4
block_3:
  call void @X(ptr %var_5)
  br label %block_4
block_4:
  call void @__quantum__qis__mresetz__body(ptr %var_3, ptr inttoptr (i64 1 to ptr))
  %var_13 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_13, label %block_5, label %block_6
block_5:
  call void @Z(ptr %var_5)
  br label %block_6
block_6:
  ret void
}

define internal void @H(ptr %var_6) {
block_7:
  call void @__quantum__qis__h__body(ptr %var_6)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @CNOT(ptr %var_7, ptr %var_8) {
block_8:
  call void @__quantum__qis__cx__body(ptr %var_7, ptr %var_8)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @X(ptr %var_12) {
block_9:
  call void @__quantum__qis__x__body(ptr %var_12)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @Z(ptr %var_16) {
block_10:
  call void @__quantum__qis__z__body(ptr %var_16)
  ret void
}

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="5" "required_num_results"="3" }
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
