; ModuleID = 'declared_gates'
source_filename = "declared_gates"

@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0r\00"
@2 = internal constant [6 x i8] c"2_t1r\00"
@3 = internal constant [6 x i8] c"3_t2r\00"
@4 = internal constant [6 x i8] c"4_t3r\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__ry__body(double 9.000000e-01, ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cy__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rxx__body(double 6.000000e-01, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__s__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ryy__body(double -1.100000e+00, ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__rzz__body(double 2.300000e+00, ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__rx__body(double 3.000000e-01, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__m__body(ptr null, ptr null)
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__m__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 4, ptr @0)
  call void @__quantum__rt__result_record_output(ptr null, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @4)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__cy__body(ptr, ptr)

declare void @__quantum__qis__rxx__body(double, ptr, ptr)

declare void @__quantum__qis__s__body(ptr)

declare void @__quantum__qis__ryy__body(double, ptr, ptr)

declare void @__quantum__qis__rzz__body(double, ptr, ptr)

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__m__body(ptr, ptr)

declare void @__quantum__qis__mresetz__body(ptr, ptr)

declare void @__quantum__rt__tuple_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="labeled" "qir_profiles"="base_profile" "required_num_qubits"="4" "required_num_results"="4" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
