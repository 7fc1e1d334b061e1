; Tuples nested in an array, as a program returning [(Result, Int)] records them: each tuple
; holds a measured result and an integer made from it.
@a = internal constant [2 x i8] c"a\00"
@t = internal constant [2 x i8] c"t\00"
@r0 = internal constant [3 x i8] c"r0\00"
@r1 = internal constant [3 x i8] c"r1\00"
@n = internal constant [2 x i8] c"n\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__x__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %b0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %b1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %i0 = zext i1 %b0 to i64
  %i1 = zext i1 %b1 to i64
  %n1 = add i64 %i1, 1
  call void @__quantum__rt__array_record_output(i64 2, ptr @a)
  call void @__quantum__rt__tuple_record_output(i64 2, ptr @t)
  call void @__quantum__rt__result_record_output(ptr null, ptr @r0)
  call void @__quantum__rt__int_record_output(i64 %i0, ptr @n)
  call void @__quantum__rt__tuple_record_output(i64 2, ptr @t)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @r1)
  call void @__quantum__rt__int_record_output(i64 %n1, ptr @n)
  ret void
}

declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__array_record_output(i64, ptr)
declare void @__quantum__rt__tuple_record_output(i64, ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)
declare void @__quantum__rt__int_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="2" }
