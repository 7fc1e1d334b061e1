; Teleportation with measurement-conditioned corrections, as an adaptive-profile producer
; with opaque pointers emits it: X on the target when the middle qubit reads one, Z when
; the message qubit reads one.
; ModuleID = 'teleport'
source_filename = "teleport"

@0 = internal constant [4 x i8] c"0_r\00"

define void @main() #0 {
entry:
  call void @__quantum__rt__initialize(ptr null)
  call void @__quantum__qis__ry__body(double 1.1, ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %0 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %0, label %then0, label %continue0

then0:                                            ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %continue0

continue0:                                        ; preds = %then0, %entry
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %1, label %then1, label %continue1

then1:                                            ; preds = %continue0
  call void @__quantum__qis__z__body(ptr inttoptr (i64 2 to ptr))
  br label %continue1

continue1:                                        ; preds = %then1, %continue0
  call void @__quantum__qis__ry__body(double -1.1, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @0)
  ret void
}

declare void @__quantum__rt__initialize(ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="3" "required_num_results"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
