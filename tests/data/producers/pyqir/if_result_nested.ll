; ModuleID = 'if_result_nested'
source_filename = "if_result_nested"

@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__ry__body(double 2.000000e+00, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %0 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %0, label %then, label %else

then:                                             ; preds = %entry
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %1, label %then1, label %else2

else:                                             ; preds = %entry
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %2 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  br i1 %2, label %then4, label %else5

continue:                                         ; preds = %continue6, %continue3
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__array_record_output(i64 2, ptr @0)
  call void @__quantum__rt__result_record_output(ptr null, ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @2)
  ret void

then1:                                            ; preds = %then
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %continue3

else2:                                            ; preds = %then
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  br label %continue3

continue3:                                        ; preds = %else2, %then1
  br label %continue

then4:                                            ; preds = %else
  br label %continue6

else5:                                            ; preds = %else
  call void @__quantum__qis__ry__body(double 1.000000e+00, ptr inttoptr (i64 3 to ptr))
  br label %continue6

continue6:                                        ; preds = %else5, %then4
  br label %continue
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="labeled" "qir_profiles"="adaptive_profile" "required_num_qubits"="4" "required_num_results"="4" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
