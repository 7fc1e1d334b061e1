; ModuleID = 'compare_and_branch'
source_filename = "compare_and_branch"

@0 = internal constant [4 x i8] c"key\00"
@1 = internal constant [4 x i8] c"mix\00"
@2 = internal constant [4 x i8] c"out\00"
@3 = internal constant [4 x i8] c"sel\00"
@4 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  %0 = call ptr @create_creg(i64 3)
  %1 = call ptr @create_creg(i64 3)
  %2 = call ptr @create_creg(i64 2)
  %3 = call ptr @create_creg(i64 3)
  %4 = call ptr @create_creg(i64 6)
  call void @set_creg_bit(ptr %0, i64 0, i1 true)
  call void @set_creg_bit(ptr %0, i64 1, i1 true)
  call void @set_creg_bit(ptr %0, i64 2, i1 false)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @mz_to_creg_bit(ptr null, ptr %3, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 1 to ptr), ptr %3, i64 1)
  call void @mz_to_creg_bit(ptr inttoptr (i64 2 to ptr), ptr %3, i64 2)
  %5 = call i64 @get_int_from_creg(ptr %3)
  %6 = icmp eq i64 0, %5
  call void @set_creg_bit(ptr %4, i64 0, i1 %6)
  %7 = call i64 @get_int_from_creg(ptr %3)
  %8 = icmp eq i64 3, %7
  call void @set_creg_bit(ptr %4, i64 1, i1 %8)
  %9 = call i64 @get_int_from_creg(ptr %3)
  %10 = icmp eq i64 5, %9
  call void @set_creg_bit(ptr %4, i64 2, i1 %10)
  %11 = call i64 @get_int_from_creg(ptr %3)
  %12 = icmp eq i64 6, %11
  call void @set_creg_bit(ptr %4, i64 3, i1 %12)
  %13 = call i64 @get_int_from_creg(ptr %3)
  %14 = call i64 @get_int_from_creg(ptr %0)
  %15 = xor i64 %13, %14
  call void @set_creg_to_int(ptr %1, i64 %15)
  %16 = call i1 @get_creg_bit(ptr %4, i64 0)
  br i1 %16, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %17 = call i1 @get_creg_bit(ptr %4, i64 1)
  br i1 %17, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %18 = call i64 @get_int_from_creg(ptr %1)
  %19 = icmp eq i64 0, %18
  call void @set_creg_bit(ptr %4, i64 4, i1 %19)
  %20 = call i64 @get_int_from_creg(ptr %1)
  %21 = icmp eq i64 7, %20
  call void @set_creg_bit(ptr %4, i64 5, i1 %21)
  %22 = call i1 @get_creg_bit(ptr %4, i64 2)
  br i1 %22, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__y__body(ptr inttoptr (i64 3 to ptr))
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %23 = call i1 @get_creg_bit(ptr %4, i64 4)
  br i1 %23, label %condb3, label %contb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  %24 = call i1 @get_creg_bit(ptr %4, i64 3)
  br i1 %24, label %condb4, label %contb4

condb4:                                           ; preds = %contb3
  call void @__quantum__qis__s__adj(ptr inttoptr (i64 3 to ptr))
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  %25 = call i1 @get_creg_bit(ptr %4, i64 5)
  br i1 %25, label %condb5, label %contb5

condb5:                                           ; preds = %contb4
  call void @__quantum__qis__h__body(ptr inttoptr (i64 4 to ptr))
  br label %contb5

contb5:                                           ; preds = %condb5, %contb4
  call void @mz_to_creg_bit(ptr inttoptr (i64 3 to ptr), ptr %2, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 4 to ptr), ptr %2, i64 1)
  %26 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %26, ptr @0)
  %27 = call i64 @get_int_from_creg(ptr %1)
  call void @__quantum__rt__int_record_output(i64 %27, ptr @1)
  %28 = call i64 @get_int_from_creg(ptr %2)
  call void @__quantum__rt__int_record_output(i64 %28, ptr @2)
  %29 = call i64 @get_int_from_creg(ptr %3)
  call void @__quantum__rt__int_record_output(i64 %29, ptr @3)
  %30 = call i64 @get_int_from_creg(ptr %4)
  call void @__quantum__rt__int_record_output(i64 %30, ptr @4)
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

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__y__body(ptr)

declare void @__quantum__qis__s__adj(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="5" "required_num_results"="5" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
