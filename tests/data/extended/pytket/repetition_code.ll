; ModuleID = 'repetition_code'
source_filename = "repetition_code"

@0 = internal constant [6 x i8] c"count\00"
@1 = internal constant [5 x i8] c"data\00"
@2 = internal constant [4 x i8] c"syn\00"
@3 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  %0 = call ptr @create_creg(i64 2)
  %1 = call ptr @create_creg(i64 3)
  %2 = call ptr @create_creg(i64 2)
  %3 = call ptr @create_creg(i64 8)
  call void @__quantum__qis__x__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double 0x3FE921FB54442D18, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @mz_to_creg_bit(ptr inttoptr (i64 3 to ptr), ptr %2, i64 0)
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @mz_to_creg_bit(ptr inttoptr (i64 4 to ptr), ptr %2, i64 1)
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %4 = call i64 @get_int_from_creg(ptr %2)
  %5 = icmp eq i64 1, %4
  call void @set_creg_bit(ptr %3, i64 0, i1 %5)
  %6 = call i64 @get_int_from_creg(ptr %2)
  %7 = icmp eq i64 3, %6
  call void @set_creg_bit(ptr %3, i64 1, i1 %7)
  %8 = call i64 @get_int_from_creg(ptr %2)
  %9 = icmp eq i64 2, %8
  call void @set_creg_bit(ptr %3, i64 2, i1 %9)
  %10 = call i64 @get_int_from_creg(ptr %2)
  %11 = icmp eq i64 0, %10
  call void @set_creg_bit(ptr %3, i64 3, i1 %11)
  %12 = call i1 @get_creg_bit(ptr %3, i64 3)
  br i1 %12, label %contb0, label %condb0

condb0:                                           ; preds = %entry
  %13 = call i64 @get_int_from_creg(ptr %0)
  %14 = add i64 %13, 1
  call void @set_creg_to_int(ptr %0, i64 %14)
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %15 = call i1 @get_creg_bit(ptr %3, i64 0)
  br i1 %15, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__x__body(ptr null)
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %16 = call i1 @get_creg_bit(ptr %3, i64 1)
  br i1 %16, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %17 = call i1 @get_creg_bit(ptr %3, i64 2)
  br i1 %17, label %condb3, label %contb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__rx__body(double 0x3FF921FB54442D18, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @mz_to_creg_bit(ptr inttoptr (i64 3 to ptr), ptr %2, i64 0)
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @mz_to_creg_bit(ptr inttoptr (i64 4 to ptr), ptr %2, i64 1)
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %18 = call i64 @get_int_from_creg(ptr %2)
  %19 = icmp eq i64 1, %18
  call void @set_creg_bit(ptr %3, i64 4, i1 %19)
  %20 = call i64 @get_int_from_creg(ptr %2)
  %21 = icmp eq i64 3, %20
  call void @set_creg_bit(ptr %3, i64 5, i1 %21)
  %22 = call i64 @get_int_from_creg(ptr %2)
  %23 = icmp eq i64 2, %22
  call void @set_creg_bit(ptr %3, i64 6, i1 %23)
  %24 = call i64 @get_int_from_creg(ptr %2)
  %25 = icmp eq i64 0, %24
  call void @set_creg_bit(ptr %3, i64 7, i1 %25)
  %26 = call i1 @get_creg_bit(ptr %3, i64 7)
  br i1 %26, label %contb4, label %condb4

condb4:                                           ; preds = %contb3
  %27 = call i64 @get_int_from_creg(ptr %0)
  %28 = add i64 %27, 1
  call void @set_creg_to_int(ptr %0, i64 %28)
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  %29 = call i1 @get_creg_bit(ptr %3, i64 4)
  br i1 %29, label %condb5, label %contb5

condb5:                                           ; preds = %contb4
  call void @__quantum__qis__x__body(ptr null)
  br label %contb5

contb5:                                           ; preds = %condb5, %contb4
  %30 = call i1 @get_creg_bit(ptr %3, i64 5)
  br i1 %30, label %condb6, label %contb6

condb6:                                           ; preds = %contb5
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %contb6

contb6:                                           ; preds = %condb6, %contb5
  %31 = call i1 @get_creg_bit(ptr %3, i64 6)
  br i1 %31, label %condb7, label %contb7

condb7:                                           ; preds = %contb6
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %contb7

contb7:                                           ; preds = %condb7, %contb6
  call void @mz_to_creg_bit(ptr null, ptr %1, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 1 to ptr), ptr %1, i64 1)
  call void @mz_to_creg_bit(ptr inttoptr (i64 2 to ptr), ptr %1, i64 2)
  %32 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %32, ptr @0)
  %33 = call i64 @get_int_from_creg(ptr %1)
  call void @__quantum__rt__int_record_output(i64 %33, ptr @1)
  %34 = call i64 @get_int_from_creg(ptr %2)
  call void @__quantum__rt__int_record_output(i64 %34, ptr @2)
  %35 = call i64 @get_int_from_creg(ptr %3)
  call void @__quantum__rt__int_record_output(i64 %35, ptr @3)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare i1 @get_creg_bit(ptr, i64)

declare void @set_creg_bit(ptr, i64, i1)

declare void @set_creg_to_int(ptr, i64)

declare ptr @create_creg(i64)

declare i64 @get_int_from_creg(ptr)

declare void @mz_to_creg_bit(ptr, ptr, i64)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__reset__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="5" "required_num_results"="5" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
