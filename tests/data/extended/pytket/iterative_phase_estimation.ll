; ModuleID = 'iterative_phase_estimation'
source_filename = "iterative_phase_estimation"

@0 = internal constant [5 x i8] c"bits\00"

define void @main() #0 {
entry:
  %0 = call ptr @create_creg(i64 3)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 0x4022D97C7F3321D2, ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 0)
  call void @__quantum__qis__reset__body(ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__rz__body(double 0x4012D97C7F3321D2, ptr null)
  %1 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %1, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__rz__body(double 0x4025FDBBE9BBA775, ptr null)
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  call void @__quantum__qis__h__body(ptr null)
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 1)
  call void @__quantum__qis__reset__body(ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__rz__body(double 0x4002D97C7F3321D2, ptr null)
  %2 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %2, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__rz__body(double 0x40278FDB9EFFEA46, ptr null)
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %3 = call i1 @get_creg_bit(ptr %0, i64 1)
  br i1 %3, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__rz__body(double 0x4025FDBBE9BBA775, ptr null)
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  call void @__quantum__qis__h__body(ptr null)
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 2)
  call void @__quantum__qis__reset__body(ptr null)
  %4 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %4, ptr @0)
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

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__qis__reset__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="2" "required_num_results"="2" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
