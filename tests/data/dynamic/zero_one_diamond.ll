; A measured bit turned into an integer by a 0/1 diamond (and its complement by a second
; phi on the same diamond), a second bit turned into an integer by a select, then parity
; and complement checks on those integers.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %r = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %r, label %one, label %zero

one:                                              ; preds = %entry
  br label %merge

zero:                                             ; preds = %entry
  br label %merge

merge:                                            ; preds = %zero, %one
  %bit = phi i64 [ 1, %one ], [ 0, %zero ]
  %flip = phi i64 [ 1, %zero ], [ 0, %one ]
  %r1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %bit1 = select i1 %r1, i64 1, i64 0
  %sum = add i64 %bit, %bit1
  %odd = icmp eq i64 %sum, 1
  br i1 %odd, label %odd_parity, label %check_flip

odd_parity:                                       ; preds = %merge
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %check_flip

check_flip:                                       ; preds = %odd_parity, %merge
  %set = icmp eq i64 %flip, 1
  br i1 %set, label %flipped, label %end

flipped:                                          ; preds = %check_flip
  call void @__quantum__qis__z__body(ptr inttoptr (i64 2 to ptr))
  br label %end

end:                                              ; preds = %flipped, %check_flip
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
attributes #1 = { "irreversible" }
