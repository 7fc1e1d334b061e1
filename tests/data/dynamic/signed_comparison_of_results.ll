; Comparisons of i1 values: unsigned, true is 1 and above false; signed, true is -1 and below
; it. Each flips the third qubit when the first result is below the second.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %a = call i1 @__quantum__qis__read_result__body(ptr null)
  %b = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %unsigned = icmp ult i1 %a, %b
  br i1 %unsigned, label %flip, label %signed

flip:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %signed

signed:
  %below = icmp slt i1 %a, %b
  %at_most = icmp sge i1 %b, %a
  %both = and i1 %below, %at_most
  br i1 %both, label %flip_again, label %done

flip_again:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %done

done:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr null, ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr null)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
declare i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
