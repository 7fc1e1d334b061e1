@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0i\00"
@2 = internal constant [6 x i8] c"2_t1i\00"
@3 = internal constant [6 x i8] c"3_t2r\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_19 = alloca i64
  %var_21 = alloca i64
  call void @__quantum__rt__initialize(ptr null)
  call void @H(ptr inttoptr (i64 0 to ptr))
  call void @Ry(double 1.2, ptr inttoptr (i64 1 to ptr))
  call void @H(ptr inttoptr (i64 2 to ptr))
  call void @CNOT(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  %var_18 = call i64 @Measure2(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr))
  store i64 %var_18, ptr %var_19
  %var_20 = call i64 @Measure2(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  store i64 %var_20, ptr %var_21
  %var_28 = load i64, ptr %var_19
  %var_29 = load i64, ptr %var_21
  %var_22 = add i64 %var_28, %var_29
  %var_23 = icmp sgt i64 %var_22, 3
  br i1 %var_23, label %block_1, label %block_2
block_1:
  call void @X(ptr inttoptr (i64 4 to ptr))
  br label %block_5
block_2:
  %var_30 = load i64, ptr %var_19
  %var_31 = load i64, ptr %var_21
  %var_25 = icmp eq i64 %var_30, %var_31
  br i1 %var_25, label %block_3, label %block_4
block_3:
  call void @H(ptr inttoptr (i64 4 to ptr))
  br label %block_4
block_4:
  br label %block_5
block_5:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 3, ptr @0)
  %var_32 = load i64, ptr %var_19
  call void @__quantum__rt__int_record_output(i64 %var_32, ptr @1)
  %var_33 = load i64, ptr %var_21
  call void @__quantum__rt__int_record_output(i64 %var_33, ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @H(ptr %var_1) {
block_6:
  call void @__quantum__qis__h__body(ptr %var_1)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @Ry(double %var_2, ptr %var_3) {
block_7:
  call void @__quantum__qis__ry__body(double %var_2, ptr %var_3)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

define internal void @CNOT(ptr %var_4, ptr %var_5) {
block_8:
  call void @__quantum__qis__cx__body(ptr %var_4, ptr %var_5)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

define internal i64 @Measure2(ptr %var_6, ptr %var_7) {
block_9:
  %var_8 = alloca i64
  %var_11 = alloca i1
  call void @__quantum__qis__mresetz__body(ptr %var_6, ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr %var_7, ptr inttoptr (i64 1 to ptr))
  store i64 0, ptr %var_8
  %var_9 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  store i1 false, ptr %var_11
  br i1 %var_9, label %block_10, label %block_11
block_10:
  %var_12 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  store i1 %var_12, ptr %var_11
  br label %block_11
block_11:
  %var_36 = load i1, ptr %var_11
  br i1 %var_36, label %block_12, label %block_13
block_12:
  store i64 3, ptr %var_8
  br label %block_19
block_13:
  %var_14 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 0 to ptr))
  br i1 %var_14, label %block_14, label %block_15
block_14:
  store i64 2, ptr %var_8
  br label %block_18
block_15:
  %var_16 = call zeroext i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_16, label %block_16, label %block_17
block_16:
  store i64 1, ptr %var_8
  br label %block_17
block_17:
  br label %block_18
block_18:
  br label %block_19
block_19:
  %var_37 = load i64, ptr %var_8
  ret i64 %var_37
}

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare zeroext i1 @__quantum__rt__read_result(ptr) #2

define internal void @X(ptr %var_24) {
block_20:
  call void @__quantum__qis__x__body(ptr %var_24)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

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
