; Calls to functions defined in the module: values returned once and twice, parameters bound
; to constants and to measured values, unnamed parameters, nested calls, a barrier on the
; parameters, and a phi that names a block the inlining splits.

define void @main() #0 {
entry:
  call void @prepare(ptr null, ptr inttoptr (i64 1 to ptr))
  %r0 c= all i1 @measure_bit(ptr null, ptr null)
  call void @flip_if(i1 %r0, ptr inttoptr (i64 2 to ptr))
  call void @flip_if(i1 true, ptr inttoptr (i64 3 to ptr))
  call void @fence(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 2 to ptr))
  br i1 %r0, label %then, label %merge

then:
  %r1 = call i1 @measure_bit(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  br label %merge

merge:
  %seen = phi i1 [ false, %entry ], [ %r1, %then ]
  %parity = call i64 @differ(i1 %seen, i1 true)
  %odd_parity = icmp eq i64 %parity, 1
  br i1 %odd_parity, label %odd, label %done

odd:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %done

done:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__result_record_output(ptr null, ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr null)
  call void @__quantum__rt__resZult_record_output(ptr inttoptr (i64 2 to ptr), ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr null)
  ret void
}

; Unnamed parameters and an unlabeled first block.
define internal void @prepare(ptr, ptr) {
  call void @__quantum__qis__h__body(ptr %0)
  call void @entangle(ptr %0, ptr %1)
  ret void
}

define internal void @entangle(ptr noundef %control, ptr noundef %target) {
body:
  call void @__quantum__qis__cnot__body(ptr %control, ptr %target)
  ret void
}

define internal zeroext i1 @measure_bit(ptr %q, ptr %r) {
entry:
  call void @__quantum__qis__mz__body(ptr %q, ptr %r)
  %bit = call i1 @__quantum__rt__read_result(ptr %r)
  ret i1 %bit
}

define internal void @flip_if(i1 %con[ition, ptr %q) {
entry:
  br i1 %condition, label %flip, label %skip
flip:
  call void @__quantum__qis__x__body(ptr %q)
  br label %skip
skip:
  ret void
}

define internal void @fence(ptr %a, ptr %b) {
entry:
  call void @__quantum__qis__barrier__body(ptr %a, ptr %b)
  ret void
}

; Two returns: the value is a phi over the returning blocks.
define internal i64 @differ(i1 %a, i1 %b) {
entry:
  %x = xor i1 %a, %b
  br i1 %x, label %yes, label %no
yes:
  ret i64 1
no:
  ret i64 0
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__cnot__body(ptr, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__barrier__body(ptr, ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }
