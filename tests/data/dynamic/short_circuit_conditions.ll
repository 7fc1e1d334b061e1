; Compound conditions on two read results, merged by i1 phis: a && b and a || b as
; short-circuit producers emit them, the same shapes with the branch targets swapped
; (!a && b, !a || b), and a compound of two comparisons.
; ModuleID = 'short_circuit'
source_filename = "short_circuit"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %a0 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %a0, label %rhs0, label %merge0

rhs0:                                             ; preds = %entry
  %b0 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br label %merge0

merge0:                                           ; preds = %rhs0, %entry
  %and0 = phi i1 [ false, %entry ], [ %b0, %rhs0 ]
  br i1 %and0, label %then0, label %done0

then0:                                            ; preds = %merge0
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %done0

done0:                                            ; preds = %then0, %merge0
  %a1 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %a1, label %merge1, label %rhs1

rhs1:                                             ; preds = %done0
  %b1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br label %merge1

merge1:                                           ; preds = %rhs1, %done0
  %or1 = phi i1 [ true, %done0 ], [ %b1, %rhs1 ]
  br i1 %or1, label %then1, label %done1

then1:                                            ; preds = %merge1
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %done1

done1:                                            ; preds = %then1, %merge1
  ; !a && b: false as soon as a is one
  %a2 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %a2, label %merge2, label %rhs2

rhs2:                                             ; preds = %done1
  %b2 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br label %merge2

merge2:                                           ; preds = %rhs2, %done1
  %and2 = phi i1 [ false, %done1 ], [ %b2, %rhs2 ]
  br i1 %and2, label %then2, label %done2

then2:                                            ; preds = %merge2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %done2

done2:                                            ; preds = %then2, %merge2
  ; !a || b: true as soon as a is zero
  %a3 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %a3, label %rhs3, label %merge3

rhs3:                                             ; preds = %done2
  %b3 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br label %merge3

merge3:                                           ; preds = %rhs3, %done2
  %or3 = phi i1 [ true, %done2 ], [ %b3, %rhs3 ]
  br i1 %or3, label %then3, label %done3

then3:                                            ; preds = %merge3
  call void @__quantum__qis__x__body(ptr inttoptr (i64 5 to ptr))
  br label %done3

done3:                                            ; preds = %then3, %merge3
  ; (a != 0) || !b with both sides comparisons
  %a4 = call i1 @__quantum__qis__read_result__body(ptr null)
  %ne4 = icmp ne i1 %a4, false
  br i1 %ne4, label %merge4, label %rhs4

rhs4:                                             ; preds = %done3
  %b4 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %nb4 = xor i1 %b4, true
  br label %merge4

merge4:                                           ; preds = %rhs4, %done3
  %or4 = phi i1 [ true, %done3 ], [ %nb4, %rhs4 ]
  br i1 %or4, label %then4, label %done4

then4:                                            ; preds = %merge4
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  br label %done4

done4:                                            ; preds = %then4, %merge4
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 6 to ptr), ptr inttoptr (i64 6 to ptr))
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare i1 @__quantum__qis__read_result__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="7" "required_num_results"="7" }
attributes #1 = { "irreversible" }
