@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0i\00"
@2 = internal constant [6 x i8] c"2_t1r\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_0 = alloca i1
  %var_1 = alloca i64
  %var_2 = alloca i1
  %var_4 = alloca i1
  call void @__quantum__rt__initialize(ptr null)
  store i1 false, ptr %var_0
  store i64 0, ptr %var_1
  store i1 false, ptr %var_2
  br label %block_1
block_1:
  %var_16 = load i1, ptr %var_2
  %var_3 = xor i1 %var_16, true
  store i1 false, ptr %var_4
  br i1 %var_3, label %block_2, label %block_3
block_2:
  %var_25 = load i64, ptr %var_1
  %var_5 = icmp slt i64 %var_25, 8
  store i1 %var_5, ptr %var_4
  br label %block_3
block_3:
  %var_18 = load i1, ptr %var_4
  br i1 %var_18, label %block_4, label %block_5
block_4:
  %var_20 = load i64, ptr %var_1
  %var_6 = add i64 %var_20, 1
  store i64 %var_6, ptr %var_1
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @T(ptr inttoptr (i64 0 to ptr))
  call void @CNOT(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  %var_11 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  %var_12 = icmp eq i1 %var_11, false
  store i1 %var_12, ptr %var_0
  %var_23 = load i1, ptr %var_0
  br i1 %var_23, label %block_6, label %block_7
block_5:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 2, ptr @0)
  %var_19 = load i64, ptr %var_1
  call void @__quantum__rt__int_record_output(i64 %var_19, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  ret i64 0
block_6:
  store i1 true, ptr %var_2
  br label %block_8
block_7:
  call void @Reset(ptr inttoptr (i64 1 to ptr))
  br label %block_8
block_8:
  br label %block_1
}

declare void @__quantum__rt__initialize(ptr)

define internal void @H(ptr %var_7) {
block_9:
  call void @__quantum__qis__h__body(ptr %var_7)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @T(ptr %var_8) {
block_10:
  call void @__quantum__qis__t__body(ptr %var_8)
  ret void
}

declare void @__quantum__qis__t__body(ptr)

define internal void @CNOT(ptr %var_9, ptr %var_10) {
block_11:
  call void @__quantum__qis__cx__body(ptr %var_9, ptr %var_10)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @Reset(ptr %var_13) {
block_12:
  call void @__quantum__qis__reset__body(ptr %var_13)
  ret void
}

declare void @__quantum__qis__reset__body(ptr) #1

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="2" }
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
