%Qubit = type opaque
%Result = type opaque

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 0 to %Qubit*))
  call void @rxy(double 0.4, double 0.3, double -0.3, %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @rxx(double 0.0, double 0.0, %Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @rxx(double 0.3, double -0.3, %Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @iswap(%Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @xy(double -0.25, %Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @pmint(double 0.7, %Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @cy(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* inttoptr (i64 0 to %Qubit*))
  call void @ccp(double 0.225, double -0.225, %Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @__quantum__qis__rx__body(double 1.5707963267948966, %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__rx__body(double -1.5707963267948966, %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @__quantum__qis__rz__body(double 0.2, %Qubit* inttoptr (i64 0 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Result* inttoptr (i64 0 to %Result*)) #1
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*)) #1
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* inttoptr (i64 2 to %Result*)) #1
  ret void
}

declare void @__quantum__qis__rz__body(double, %Qubit*)
declare void @__quantum__qis__rx__body(double, %Qubit*)

define void @rxy(double %theta, double %phi, double %minus_phi, %Qubit* %qubit0) {
entry:
  call void @__quantum__qis__rz__body(double %minus_phi, %Qubit* %qubit0)
  call void @__quantum__qis__rx__body(double %theta, %Qubit* %qubit0)
  call void @__quantum__qis__rz__body(double %phi, %Qubit* %qubit0)
  ret void
}

declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)

define void @rxx(double %half_theta, double %minus_half_theta, %Qubit* %qubit0, %Qubit* %qubit1) {
entry:
  call void @__quantum__qis__rx__body(double %half_theta, %Qubit* %qubit0)
  call void @__quantum__qis__rx__body(double %half_theta, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double %minus_half_theta, %Qubit* %qubit0)
  call void @__quantum__qis__rx__body(double %minus_half_theta, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  ret void
}

declare void @__quantum__qis__ry__body(double, %Qubit*)

define void @iswap(%Qubit* %qubit0, %Qubit* %qubit1) {
entry:
  call void @__quantum__qis__rx__body(double 1.5707963267948966, %Qubit* %qubit0)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double -1.5707963267948966, %Qubit* %qubit0)
  call void @__quantum__qis__ry__body(double -1.5707963267948966, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double -1.5707963267948966, %Qubit* %qubit0)
  ret void
}

define void @xy(double %theta, %Qubit* %qubit0, %Qubit* %qubit1) {
entry:
  call void @__quantum__qis__rx__body(double 1.5707963267948966, %Qubit* %qubit0)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double %theta, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double -1.5707963267948966, %Qubit* %qubit0)
  ret void
}

define void @pmint(double %theta, %Qubit* %qubit0, %Qubit* %qubit1) {
entry:
  call void @__quantum__qis__rx__body(double 1.5707963267948966, %Qubit* %qubit0)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double %theta, %Qubit* %qubit0)
  call void @__quantum__qis__ry__body(double %theta, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rx__body(double -1.5707963267948966, %Qubit* %qubit0)
  ret void
}

define void @ccp(double %frac_theta_4, double %minus_frac_theta_4, %Qubit* %qubit0, %Qubit* %qubit1, %Qubit* %qubit2) {
entry:
  call void @__quantum__qis__rz__body(double %frac_theta_4, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit1, %Qubit* %qubit2)
  call void @__quantum__qis__rz__body(double %minus_frac_theta_4, %Qubit* %qubit2)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit1, %Qubit* %qubit2)
  call void @__quantum__qis__rz__body(double %frac_theta_4, %Qubit* %qubit2)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rz__body(double %minus_frac_theta_4, %Qubit* %qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit1, %Qubit* %qubit2)
  call void @__quantum__qis__rz__body(double %frac_theta_4, %Qubit* %qubit2)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit1, %Qubit* %qubit2)
  call void @__quantum__qis__rz__body(double %minus_frac_theta_4, %Qubit* %qubit2)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit1)
  call void @__quantum__qis__rz__body(double %frac_theta_4, %Qubit* %qubit0)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit2)
  call void @__quantum__qis__rz__body(double %minus_frac_theta_4, %Qubit* %qubit2)
  call void @__quantum__qis__cnot__body(%Qubit* %qubit0, %Qubit* %qubit2)
  call void @__quantum__qis__rz__body(double %frac_theta_4, %Qubit* %qubit2)
  ret void
}

declare void @__quantum__qis__h__body(%Qubit*)
declare void @__quantum__qis__s__adj(%Qubit*)
declare void @__quantum__qis__s__body(%Qubit*)

define void @cy(%Qubit* qubit0, %Qubit* qubit1) {
entry:
  call void @__quantum__qis__s__adj(%Qubit* qubit1)
  call void @__quantum__qis__cnot__body(%Qubit* qubit0, %Qubit* qubit1)
  call void @__quantum__qis__s__body(%Qubit* qubit1)
  ret void
}
declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) #1

attributes #0 = { "entry_point" "required_num_qubits"="3" "required_num_results"="3" "output_labeling_schema" "qir_profiles"="base_profile" "irreversible" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}