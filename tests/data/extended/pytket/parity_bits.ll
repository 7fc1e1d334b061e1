; ModuleID = 'parity_bits'
source_filename = "parity_bits"

@0 = internal constant [2 x i8] c"f\00"
@1 = internal constant [2 x i8] c"m\00"
@2 = internal constant [4 x i8] c"out\00"
@3 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  %0 = call ptr @create_creg(i64 3)
  %1 = call ptr @create_creg(i64 4)
  %2 = call ptr @create_creg(i64 1)
  %3 = call ptr @create_creg(i64 1)
  call void @__quantum__qis__ry__body(double 0x3FF41B2F769CF0E0, ptr null)
  call void @__quantum__qis__ry__body(double 0x40069E9565708EFC, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ry__body(double 0x401197C987C952C4, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 0x4017E0485CDA5E0A, ptr inttoptr (i64 3 to ptr))
  call void @mz_to_creg_bit(ptr null, ptr %1, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 1 to ptr), ptr %1, i64 1)
  call void @mz_to_creg_bit(ptr inttoptr (i64 2 to ptr), ptr %1, i64 2)
  call void @mz_to_creg_bit(ptr inttoptr (i64 3 to ptr), ptr %1, i64 3)
  %4 = call i1 @get_creg_bit(ptr %1, i64 0)
  %5 = call i1 @get_creg_bit(ptr %1, i64 1)
  %6 = xor i1 %4, %5
  %7 = call i1 @get_creg_bit(ptr %1, i64 2)
  %8 = xor i1 %6, %7
  %9 = call i1 @get_creg_bit(ptr %1, i64 3)
  %10 = xor i1 %8, %9
  call void @set_creg_bit(ptr %0, i64 0, i1 %10)
  %11 = call i1 @get_creg_bit(ptr %1, i64 0)
  %12 = call i1 @get_creg_bit(ptr %1, i64 1)
  %13 = and i1 %11, %12
  %14 = call i1 @get_creg_bit(ptr %1, i64 2)
  %15 = and i1 %13, %14
  call void @set_creg_bit(ptr %0, i64 1, i1 %15)
  %16 = call i1 @get_creg_bit(ptr %1, i64 1)
  %17 = call i1 @get_creg_bit(ptr %1, i64 3)
  %18 = or i1 %16, %17
  call void @set_creg_bit(ptr %0, i64 2, i1 %18)
  %19 = call i1 @get_creg_bit(ptr %0, i64 0)
  %20 = call i1 @get_creg_bit(ptr %0, i64 2)
  %21 = call i1 @get_creg_bit(ptr %1, i64 0)
  %22 = or i1 %20, %21
  %23 = and i1 %19, %22
  call void @set_creg_bit(ptr %3, i64 0, i1 %23)
  %24 = call i1 @get_creg_bit(ptr %3, i64 0)
  br i1 %24, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  call void @mz_to_creg_bit(ptr inttoptr (i64 4 to ptr), ptr %2, i64 0)
  %25 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %25, ptr @0)
  %26 = call i64 @get_int_from_creg(ptr %1)
  call void @__quantum__rt__int_record_output(i64 %26, ptr @1)
  %27 = call i64 @get_int_from_creg(ptr %2)
  call void @__quantum__rt__int_record_output(i64 %27, ptr @2)
  %28 = call i64 @get_int_from_creg(ptr %3)
  call void @__quantum__rt__int_record_output(i64 %28, ptr @3)
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

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="5" "required_num_results"="5" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
