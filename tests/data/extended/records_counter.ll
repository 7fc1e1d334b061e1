; A repeat-until-success loop that records its attempt counter, which the final register cannot
; determine (it is carried around the loop), beside the last result, which it can; a result
; read in the loop and measured into again on the next trip is not determined either.
@0 = internal constant [6 x i8] c"tries\00"
@1 = internal constant [5 x i8] c"last\00"
@2 = internal constant [6 x i8] c"first\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %first = call i1 @__quantum__qis__read_result__body(ptr null)
  br label %retry

retry:
  %k = phi i64 [ 0, %entry ], [ %k1, %retry ]
  call void @__quantum__qis__ry__body(double 1.0, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 1 to ptr))
  %ok = call i1 @__quantum__qis__read_result__body(ptr null)
  %k1 = add i64 %k, 1
  %limit = icmp ult i64 %k1, 3
  %fail = xor i1 %ok, true
  %again = and i1 %fail, %limit
  br i1 %again, label %retry, label %end

end:
  call void @__quantum__rt__tuple_record_output(i64 3, ptr null)
  call void @__quantum__rt__int_record_output(i64 %k1, ptr @0)
  call void @__quantum__rt__result_record_output(ptr null, ptr @1)
  call void @__quantum__rt__bool_record_output(i1 zeroext %first, ptr @2)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__ry__body(double, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare void @__quantum__qis__reset__body(ptr)
declare zeroext i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__tuple_record_output(i64, ptr)
declare void @__quantum__rt__int_record_output(i64, ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)
declare void @__quantum__rt__bool_record_output(i1 zeroext, ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="2" }
