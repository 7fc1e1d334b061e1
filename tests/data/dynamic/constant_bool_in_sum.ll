; A phi of one constant Boolean, extended to an integer and added to a comparison: the
; constant is the integer 1 beside the comparison, never `true + (...)`, which the dialect
; does not define between Booleans.
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %r = call i1 @__quantum__qis__read_result__body(%Result* null)
  br i1 %r, label %one, label %zero

one:
  br label %merge

zero:
  br label %merge

merge:
  %t = phi i1 [ true, %one ], [ true, %zero ]
  %b = zext i1 %r to i64
  %k = icmp ult i64 %b, 1
  %zt = zext i1 %t to i16
  %zk = zext i1 %k to i16
  %s = add i16 %zt, %zk
  %c = icmp eq i16 %s, 1
  br i1 %c, label %exit, label %flip

flip:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  br label %exit

exit:
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  call void @__quantum__rt__array_record_output(i64 2, i8* null)
  call void @__quantum__rt__result_record_output(%Result* null, i8* null)
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 1 to %Result*), i8* null)
  ret void
}

declare void @__quantum__qis__h__body(%Qubit*)
declare void @__quantum__qis__x__body(%Qubit*)
declare void @__quantum__qis__mz__body(%Qubit*, %Result*) #1
declare i1 @__quantum__qis__read_result__body(%Result*)
declare void @__quantum__rt__array_record_output(i64, i8*)
declare void @__quantum__rt__result_record_output(%Result*, i8*)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "output_labeling_schema"="schema_id" "required_num_qubits"="2" "required_num_results"="2" }
attributes #1 = { "irreversible" }
