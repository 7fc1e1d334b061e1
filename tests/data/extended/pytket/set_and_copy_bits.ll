; ModuleID = 'set_and_copy_bits'
source_filename = "set_and_copy_bits"

@0 = internal constant [2 x i8] c"a\00"
@1 = internal constant [2 x i8] c"b\00"
@2 = internal constant [5 x i8] c"flag\00"
@3 = internal constant [4 x i8] c"out\00"
@4 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  %0 = call ptr @create_creg(i64 3)
  %1 = call ptr @create_creg(i64 3)
  %2 = call ptr @create_creg(i64 1)
  %3 = call ptr @create_creg(i64 1)
  %4 = call ptr @create_creg(i64 1)
  call void @set_creg_bit(ptr %1, i64 0, i1 true)
  call void @set_creg_bit(ptr %1, i64 1, i1 false)
  call void @set_creg_bit(ptr %1, i64 2, i1 true)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 1 to ptr), ptr %0, i64 1)
  call void @mz_to_creg_bit(ptr inttoptr (i64 2 to ptr), ptr %0, i64 2)
  %5 = call i1 @get_creg_bit(ptr %0, i64 0)
  call void @set_creg_bit(ptr %1, i64 1, i1 %5)
  %6 = call i1 @get_creg_bit(ptr %0, i64 1)
  call void @set_creg_bit(ptr %1, i64 2, i1 %6)
  %7 = call i64 @get_int_from_creg(ptr %0)
  %8 = icmp uge i64 %7, 2
  %9 = call i64 @get_int_from_creg(ptr %0)
  %10 = icmp uge i64 5, %9
  %11 = and i1 %8, %10
  call void @set_creg_bit(ptr %2, i64 0, i1 %11)
  %12 = call i1 @get_creg_bit(ptr %2, i64 0)
  br i1 %12, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %13 = call i64 @get_int_from_creg(ptr %1)
  %14 = icmp eq i64 7, %13
  call void @set_creg_bit(ptr %4, i64 0, i1 %14)
  %15 = call i1 @get_creg_bit(ptr %4, i64 0)
  br i1 %15, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @set_creg_bit(ptr %0, i64 0, i1 false)
  call void @set_creg_bit(ptr %0, i64 1, i1 false)
  call void @set_creg_bit(ptr %0, i64 2, i1 false)
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  call void @mz_to_creg_bit(ptr inttoptr (i64 3 to ptr), ptr %3, i64 0)
  %16 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %16, ptr @0)
  %17 = call i64 @get_int_from_creg(ptr %1)
  call void @__quantum__rt__int_record_output(i64 %17, ptr @1)
  %18 = call i64 @get_int_from_creg(ptr %2)
  call void @__quantum__rt__int_record_output(i64 %18, ptr @2)
  %19 = call i64 @get_int_from_creg(ptr %3)
  call void @__quantum__rt__int_record_output(i64 %19, ptr @3)
  %20 = call i64 @get_int_from_creg(ptr %4)
  call void @__quantum__rt__int_record_output(i64 %20, ptr @4)
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

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="4" "required_num_results"="4" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
