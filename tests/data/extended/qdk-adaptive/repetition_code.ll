@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_9 = alloca i1
  %var_14 = alloca i1
  %var_19 = alloca i1
  call void @__quantum__rt__initialize(ptr null)
  call void @X(ptr inttoptr (i64 0 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @Rx(double 1.0, ptr inttoptr (i64 1 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @CNOT(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @CNOT(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @CNOT(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 1 to ptr))
  %var_7 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  store i1 false, ptr %var_9
  br i1 %var_7, label %block_1, label %block_2
block_1:
  %var_10 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  %var_11 = icmp eq i1 %var_10, false
  store i1 %var_11, ptr %var_9
  br label %block_2
block_2:
  %var_22 = load i1, ptr %var_9
  br i1 %var_22, label %block_3, label %block_4
block_3:
  call void @X(ptr inttoptr (i64 0 to ptr))
  br label %block_4
block_4:
  %var_12 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  store i1 false, ptr %var_14
  br i1 %var_12, label %block_5, label %block_6
block_5:
  %var_15 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  store i1 %var_15, ptr %var_14
  br label %block_6
block_6:
  %var_24 = load i1, ptr %var_14
  br i1 %var_24, label %block_7, label %block_8
block_7:
  call void @X(ptr inttoptr (i64 1 to ptr))
  br label %block_8
block_8:
  %var_17 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  %var_18 = icmp eq i1 %var_17, false
  store i1 false, ptr %var_19
  br i1 %var_18, label %block_9, label %block_10
block_9:
  %var_20 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  store i1 %var_20, ptr %var_19
  br label %block_10
block_10:
  %var_26 = load i1, ptr %var_19
  br i1 %var_26, label %block_11, label %block_12
block_11:
  call void @X(ptr inttoptr (i64 2 to ptr))
  br label %block_12
block_12:
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__array_record_output(i64 3, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @3)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @X(ptr %var_2) {
block_13:
  call void @__quantum__qis__x__body(ptr %var_2)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @CNOT(ptr %var_3, ptr %var_4) {
block_14:
  call void @__quantum__qis__cx__body(ptr %var_3, ptr %var_4)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

define internal void @Rx(double %var_5, ptr %var_6) {
block_15:
  call void @__quantum__qis__rx__body(double %var_5, ptr %var_6)
  ret void
}

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

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
