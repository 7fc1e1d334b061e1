; One round of the three-qubit bit-flip code: two parity checks on ancillas 3 and 4, the
; correction the syndrome points at, a count of the corrections made (an integer merged by
; phis after each conditional correction), and an ancilla reset when anything was corrected.
; ModuleID = 'repetition_code'
source_filename = "repetition_code"

@0 = internal constant [8 x i8] c"0_count\00"
@1 = internal constant [6 x i8] c"1_t0r\00"
@2 = internal constant [6 x i8] c"2_t1r\00"
@3 = internal constant [6 x i8] c"3_t2r\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__rx__body(double 0.3, ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 1 to ptr))
  %s0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %s1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %not_s1 = xor i1 %s1, true
  %fix0 = and i1 %s0, %not_s1
  br i1 %fix0, label %flip0, label %check1

flip0:                                            ; preds = %entry
  call void @__quantum__qis__x__body(ptr null)
  br label %check1

check1:                                           ; preds = %flip0, %entry
  %count0 = phi i64 [ 0, %entry ], [ 1, %flip0 ]
  %fix1 = and i1 %s0, %s1
  br i1 %fix1, label %flip1, label %check2

flip1:                                            ; preds = %check1
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  %count1 = add i64 %count0, 1
  br label %check2

check2:                                           ; preds = %flip1, %check1
  %count2 = phi i64 [ %count0, %check1 ], [ %count1, %flip1 ]
  %not_s0 = xor i1 %s0, true
  %fix2 = and i1 %not_s0, %s1
  br i1 %fix2, label %flip2, label %tally

flip2:                                            ; preds = %check2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  %count3 = add i64 %count2, 1
  br label %tally

tally:                                            ; preds = %flip2, %check2
  %count = phi i64 [ %count2, %check2 ], [ %count3, %flip2 ]
  %corrected = icmp sgt i64 %count, 0
  br i1 %corrected, label %clean, label %readout

clean:                                            ; preds = %tally
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  br label %readout

readout:                                          ; preds = %clean, %tally
  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__int_record_output(i64 %count, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @3)
  ret void
}

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__qis__reset__body(ptr) #1

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }
