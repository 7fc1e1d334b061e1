; Shifts keep their widths: shl i8 127, 2 is -4; shl i32 (3 b), 30 is -2^30 when b is One
; (3 * 2^30 wraps); shl i16 (b + 1), 15 is 0 when b is One and -32768 when it is Zero.
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %r = call i1 @__quantum__qis__read_result__body(%Result* null)
  %b8 = zext i1 %r to i8
  %s8 = shl i8 127, 2
  %t8 = add i8 %s8, %b8
  %c1 = icmp slt i8 %t8, -3
  %b32 = zext i1 %r to i32
  %m32 = mul i32 %b32, 3
  %s32 = shl i32 %m32, 30
  %c2 = icmp slt i32 %s32, 0
  %b16 = zext i1 %r to i16
  %a16 = add i16 %b16, 1
  %s16 = shl i16 %a16, 15
  %c3 = icmp eq i16 %s16, 0
  %c12 = and i1 %c1, %c2
  %c = and i1 %c12, %c3
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
