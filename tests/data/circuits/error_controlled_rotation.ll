; A controlled rotation carries its angle as a rotation operand, which the native
; controlled gates cannot take.
%Qubit = type opaque
%Array = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* null)
  call void (i64, i64, i64, i64, i8*, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, i8* bitcast (void (%Array*, double, %Qubit*)* @__quantum__qis__rz__ctl to i8*), double 0.5, %Qubit* null, %Qubit* inttoptr (i64 1 to %Qubit*))
  ret void
}

declare void @__quantum__qis__h__body(%Qubit*)
declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, i8*, ...)
declare void @__quantum__qis__rz__ctl(%Array*, double, %Qubit*)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" "required_num_qubits"="2" }
