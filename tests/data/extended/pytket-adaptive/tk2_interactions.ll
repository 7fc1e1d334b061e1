; ModuleID = 'tk2_interactions'
source_filename = "tk2_interactions"

@0 = internal constant [2 x i8] c"m\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__rz__body(double 0x400921FB54442D18, ptr null)
  call void @__quantum__qis__rz__body(double 0x400921FB54442D18, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, ptr null)
  call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rxxyyzz__body(double 0x3FEE28C731EB6950, double 0.000000e+00, double 0.000000e+00, ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rxxyyzz__body(double 0.000000e+00, double 0x3FE41B2F769CF0E0, double 0.000000e+00, ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rzz__body(double 0x3FF69E9565708EFC, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rxxyyzz__body(double 0x3FD41B2F769CF0E0, double 0x3FE921FB54442D18, double 0x3FF41B2F769CF0E0, ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %1 = zext i1 %0 to i64
  %2 = mul i64 %1, 1
  %3 = or i64 %2, 0
  %4 = sub i64 1, %1
  %5 = mul i64 %4, 1
  %6 = xor i64 9223372036854775807, %5
  %7 = and i64 %6, %3
  call void @__quantum__qis__reset__body(ptr null)
  %8 = and i64 1, %7
  %9 = icmp eq i64 1, %8
  br i1 %9, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__rxxyyzz__body(double 0x3FF921FB54442D18, double 0.000000e+00, double 0x3FEE28C731EB6950, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  call void @__quantum__qis__barrier3__body(ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %10 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %11 = zext i1 %10 to i64
  %12 = mul i64 %11, 2
  %13 = or i64 %12, %7
  %14 = sub i64 1, %11
  %15 = mul i64 %14, 2
  %16 = xor i64 9223372036854775807, %15
  %17 = and i64 %16, %13
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %18 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %19 = zext i1 %18 to i64
  %20 = mul i64 %19, 4
  %21 = or i64 %20, %17
  %22 = sub i64 1, %19
  %23 = mul i64 %22, 4
  %24 = xor i64 9223372036854775807, %23
  %25 = and i64 %24, %21
  call void @__quantum__rt__int_record_output(i64 %25, ptr @0)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__qis__phasedx__body(double, double, ptr)

declare void @__quantum__qis__rxxyyzz__body(double, double, double, ptr, ptr)

declare void @__quantum__qis__rzz__body(double, ptr, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__reset__body(ptr)

declare void @__quantum__qis__barrier3__body(ptr, ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="3" "required_num_results"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
