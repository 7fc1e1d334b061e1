; Bit operations the ranges bound: xor of a value at least 8 with itself, shifts by 62 and 63 of
; small values, an and of an fptosi to i16 with 512, and udiv/urem of non-negative values.
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %r = call i1 @__quantum__qis__read_result__body(%Result* null)
  %b = zext i1 %r to i16
  %x = add i16 %b, 8
  %y = xor i16 %x, %x
  %y64 = zext i16 %y to i64
  %b64 = zext i1 %r to i64
  %s62 = shl i64 %b64, 62
  %h62 = lshr i64 %s62, 62
  %s63 = shl i64 %b64, 63
  %h63 = lshr i64 %s63, 63
  %f = uitofp i1 %r to double
  %g = fmul double %f, 600.0
  %i = fptosi double %g to i16
  %k = and i16 %i, 512
  %k64 = zext i16 %k to i64
  %d = udiv i64 %h62, 1
  %u = urem i64 %h63, 2
  %t1 = add i64 %y64, %d
  %t2 = add i64 %t1, %u
  %t3 = add i64 %t2, %k64
  %c = icmp eq i64 %t3, 514
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
