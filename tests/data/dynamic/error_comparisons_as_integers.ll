; zext of comparisons used in arithmetic: (r > 0) * (r > 0) and (r == 1) + (r != 0) are the
; integers 0/1 and 0/2, never arithmetic between Booleans.
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %r = call i1 @__quantum__qis__read_result__body(%Result* null)
  %b = zext i1 %r to i64
  %p = icmp sgt i64 %b, 0
  %z = zext i1 %p to i64
  %m = mul i64 %z, %z
  %e = icmp eq i64 %b, 1
  %n = icmp ne i64 %b, 0
  %ze = zext i1 %e to i64
  %zn = zext i1 %n to i64
  %s = add i64 %ze, %zn
  %t = add i64 %m, %s
  %c = icmp eq i64 %t, 3
  br i1 %c, label %flip, label %exit

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
