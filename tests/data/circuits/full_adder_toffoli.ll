; One-bit full adder on a = q0, b = q1, carry-in = q2 (becomes the sum) and
; carry-out = q3, evaluated for a = b = carry-in = 1. Opaque pointers.
source_filename = "full_adder"

@sum = internal constant [4 x i8] c"sum\00"
@carry = internal constant [6 x i8] c"carry\00"

define void @full_adder() local_unnamed_addr #0 {
entry:
  call void @__quantum__qis__x__body(ptr null)
  call void @__quantum__qis__x__body(ptr nonnull inttoptr (i64 1 to ptr))
  call void @__quantum__qis__x__body(ptr nonnull inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ccx__body(ptr null, ptr nonnull inttoptr (i64 1 to ptr), ptr nonnull inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cx__body(ptr null, ptr nonnull inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ccnot__body(ptr nonnull inttoptr (i64 1 to ptr), ptr nonnull inttoptr (i64 2 to ptr), ptr nonnull inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cx__body(ptr nonnull inttoptr (i64 1 to ptr), ptr nonnull inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cx__body(ptr null, ptr nonnull inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr nonnull inttoptr (i64 2 to ptr), ptr writeonly null)
  call void @__quantum__qis__mz__body(ptr nonnull inttoptr (i64 3 to ptr), ptr writeonly nonnull inttoptr (i64 1 to ptr))
  call void @__quantum__rt__tuple_record_output(i64 2, ptr null)
  call void @__quantum__rt__result_record_output(ptr null, ptr nonnull @sum)
  call void @__quantum__rt__result_record_output(ptr nonnull inttoptr (i64 1 to ptr), ptr nonnull @carry)
  ret void
}

declare void @__quantum__qis__x__body(ptr) local_unnamed_addr

declare void @__quantum__qis__cx__body(ptr, ptr) local_unnamed_addr

declare void @__quantum__qis__ccx__body(ptr, ptr, ptr) local_unnamed_addr

declare void @__quantum__qis__ccnot__body(ptr, ptr, ptr) local_unnamed_addr

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) local_unnamed_addr #1

declare void @__quantum__rt__tuple_record_output(i64, ptr) local_unnamed_addr

declare void @__quantum__rt__result_record_output(ptr, ptr) local_unnamed_addr

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="base_profile" "required_num_qubits"="4" "required_num_results"="2" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
