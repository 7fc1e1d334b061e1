; Runtime helper calls that translate to nothing (initialization, heap buffers, memcpy,
; integer and floating-point output recording) around a circuit that only touches
; qubit 7 and result 4: the registers are sized from those indices, not from the
; attributes.
source_filename = "sparse"

@label = private unnamed_addr constant [7 x i8] c"energy\00"

define void @program() #0 {
entry:
  call void @__quantum__rt__initialize(ptr null)
  %buf = call ptr @malloc(i64 7)
  call void @llvm.memcpy.p0.p0.i64(ptr %buf, ptr @label, i64 7, i1 false)
  call void @__quantum__qis__y__body(ptr inttoptr (i64 7 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 7 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__int_record_output(i64 42, ptr %buf)
  call void @__quantum__rt__double_record_output(double -1.137, ptr %buf)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @label)
  call void @free(ptr %buf)
  ret void
}

declare void @__quantum__rt__initialize(ptr)

declare ptr @malloc(i64)

declare void @free(ptr)

declare void @llvm.memcpy.p0.p0.i64(ptr noalias nocapture writeonly, ptr noalias nocapture readonly, i64, i1 immarg) #2

declare void @__quantum__qis__y__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__rt__double_record_output(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="base_profile" "required_num_qubits"="16" "required_num_results"="16" }
attributes #1 = { "irreversible" }
attributes #2 = { nocallback nofree nounwind willreturn memory(argmem: readwrite) }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
