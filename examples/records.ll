; A Bell pair that returns ([Result, Result], Bool): both results in an array, and whether they
; agree, computed from them.
@t = internal constant [2 x i8] c"t\00"
@a = internal constant [2 x i8] c"a\00"
@r0 = internal constant [3 x i8] c"r0\00"
@r1 = internal constant [3 x i8] c"r1\00"
@same = internal constant [5 x i8] c"same\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %m0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %m1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %same = icmp eq i1 %m0, %m1
  call void @__quantum__rt__tuple_record_output(i64 2, ptr @t)
  call void @__quantum__rt__array_record_output(i64 2, ptr @a)
  call void @__quantum__rt__result_record_output(ptr null, ptr @r0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @r1)
  call void @__quantum__rt__bool_record_output(i1 %same, ptr @same)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__cnot__body(ptr, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__tuple_record_output(i64, ptr)
declare void @__quantum__rt__array_record_output(i64, ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)
declare void @__quantum__rt__bool_record_output(i1, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="2" }
