; A repeat-until loop with a second exit from inside its body (a break): the loop has two
; exits, which a simple while cannot express.
%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  br label %header

header:                                           ; preds = %body, %entry
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %r = call i1 @__quantum__rt__read_result(%Result* null)
  br i1 %r, label %body, label %exit

body:                                             ; preds = %header
  call void @__quantum__qis__x__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  %stop = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 1 to %Result*))
  br i1 %stop, label %exit, label %header

exit:                                             ; preds = %body, %header
  ret void
}

declare void @__quantum__qis__x__body(%Qubit*)
declare void @__quantum__qis__mz__body(%Qubit*, %Result*)
declare i1 @__quantum__rt__read_result(%Result*)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
