; ModuleID = 'iterative_phase_estimation'
source_filename = "iterative_phase_estimation"

@0 = internal constant [5 x i8] c"bits\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 0x4022D97C7F3321D2, ptr null)
  call void @__quantum__qis__h__body(ptr null)
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
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__rz__body(double 0x4012D97C7F3321D2, ptr null)
  %8 = and i64 1, %7
  %9 = icmp eq i64 1, %8
  br i1 %9, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__rz__body(double 0x4025FDBBE9BBA775, ptr null)
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %10 = call i1 @__quantum__qis__read_result__body(ptr null)
  %11 = zext i1 %10 to i64
  %12 = mul i64 %11, 2
  %13 = or i64 %12, %7
  %14 = sub i64 1, %11
  %15 = mul i64 %14, 2
  %16 = xor i64 9223372036854775807, %15
  %17 = and i64 %16, %13
  call void @__quantum__qis__reset__body(ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__rz__body(double 0x4002D97C7F3321D2, ptr null)
  %18 = and i64 1, %17
  %19 = icmp eq i64 1, %18
  br i1 %19, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__rz__body(double 0x40278FDB9EFFEA46, ptr null)
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %20 = and i64 2, %17
  %21 = icmp eq i64 2, %20
  br i1 %21, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__rz__body(double 0x4025FDBBE9BBA775, ptr null)
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %22 = call i1 @__quantum__qis__read_result__body(ptr null)
  %23 = zext i1 %22 to i64
  %24 = mul i64 %23, 4
  %25 = or i64 %24, %17
  %26 = sub i64 1, %23
  %27 = mul i64 %26, 4
  %28 = xor i64 9223372036854775807, %27
  %29 = and i64 %28, %25
  call void @__quantum__qis__reset__body(ptr null)
  call void @__quantum__rt__int_record_output(i64 %29, ptr @0)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__reset__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="2" "required_num_results"="2" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
