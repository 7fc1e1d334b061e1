@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_0 = alloca i1
  %var_1 = alloca i64
  %var_3 = alloca i1
  call void @__quantum__rt__initialize(ptr null)
  store i1 false, ptr %var_0
  store i64 1, ptr %var_1
  br label %block_1
block_1:
  %var_12 = load i64, ptr %var_1
  %var_2 = icmp sle i64 %var_12, 3
  store i1 true, ptr %var_3
  br i1 %var_2, label %block_2, label %block_3
block_2:
  %var_15 = load i1, ptr %var_3
  br i1 %var_15, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_3
  br label %block_2
block_4:
  %var_17 = load i1, ptr %var_0
  %var_4 = xor i1 %var_17, true
  br i1 %var_4, label %block_6, label %block_8
block_5:
  %var_16 = load i1, ptr %var_0
  br i1 %var_16, label %block_7, label %block_9
block_6:
  call void @Ry(double 1.0, ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  %var_7 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  store i1 %var_7, ptr %var_0
  br label %block_8
block_7:
  call void @X(ptr inttoptr (i64 1 to ptr))
  br label %block_9
block_8:
  %var_18 = load i64, ptr %var_1
  %var_9 = add i64 %var_18, 1
  store i64 %var_9, ptr %var_1
  br label %block_1
block_9:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__array_record_output(i64 1, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @1)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @Ry(double %var_5, ptr %var_6) {
block_10:
  call void @__quantum__qis__ry__body(double %var_5, ptr %var_6)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @X(ptr %var_10) {
block_11:
  call void @__quantum__qis__x__body(ptr %var_10)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

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
