; ModuleID = 'teleport'
source_filename = "teleport"

@0 = internal constant [2 x i8] c"m\00"
@1 = internal constant [4 x i8] c"out\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__ry__body(double 0x3FE6666666666666, ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 3.000000e-01, ptr null)
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %0 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %1 = zext i1 %0 to i64
  %2 = mul i64 %1, 2
  %3 = or i64 %2, 0
  %4 = sub i64 1, %1
  %5 = mul i64 %4, 2
  %6 = xor i64 9223372036854775807, %5
  %7 = and i64 %6, %3
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %8 = call i1 @__quantum__qis__read_result__body(ptr null)
  %9 = zext i1 %8 to i64
  %10 = mul i64 %9, 1
  %11 = or i64 %10, %7
  %12 = sub i64 1, %9
  %13 = mul i64 %12, 1
  %14 = xor i64 9223372036854775807, %13
  %15 = and i64 %14, %11
  %16 = and i64 2, %15
  %17 = icmp eq i64 2, %16
  br i1 %17, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %18 = and i64 1, %15
  %19 = icmp eq i64 1, %18
  br i1 %19, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__z__body(ptr inttoptr (i64 2 to ptr))
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  call void @__quantum__qis__rz__body(double 0x40288861BAAA937E, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 0x4027BB94EDDDC6B1, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %20 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %21 = zext i1 %20 to i64
  %22 = mul i64 %21, 1
  %23 = or i64 %22, 0
  %24 = sub i64 1, %21
  %25 = mul i64 %24, 1
  %26 = xor i64 9223372036854775807, %25
  %27 = and i64 %26, %23
  call void @__quantum__rt__int_record_output(i64 %15, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %27, ptr @1)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="3" "required_num_results"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
