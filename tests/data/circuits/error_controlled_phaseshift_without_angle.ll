; A controlled phase shift through the generalized controlled-invocation intrinsic without
; any rotation operand: its native gate, cphaseshift, needs the angle the call does not give.
%Qubit = type opaque
%Array = type opaque

define void @main() #0 {
entry:
  call void (i64, i64, i64, i64, i8*, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 1, i64 1, i8* bitcast (void (%Array*, %Qubit*)* @__quantum__qis__phaseshift__ctl to i8*), %Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  ret void
}

declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, i8*, ...)
declare void @__quantum__qis__phaseshift__ctl(%Array*, %Qubit*)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" }
