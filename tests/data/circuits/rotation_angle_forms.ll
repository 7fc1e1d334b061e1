; Parameterized single- and two-qubit rotations with the angle literal forms that LLVM
; and QIR producers write: decimal, exponent, hexadecimal bit patterns, signed, tiny,
; and huge values (non-finite ones have no OpenQASM literal: error_non_finite_angle).
source_filename = "rotations"

define void @rotations() #0 {
entry:
  call void @__quantum__rt__initialize(ptr null)
  call void @__quantum__qis__rx__body(double 0.5, ptr null)
  call void @__quantum__qis__rx__body(double -0.25, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ry__body(double 3.000000e+00, ptr null)
  call void @__quantum__qis__ry__body(double 1.0E-10, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 1.5e+21, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rz__body(double 0x400921FB54442D18, ptr null)
  call void @__quantum__qis__rz__body(double -0x3FE0000000000000, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rx__body(double 5., ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double .5, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double -.125, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double -0.0, ptr null)
  call void @__quantum__qis__ry__body(double 2.5e-3, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ry__body(double 1e-4, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rz__body(double 0x0000000000000001, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rz__body(double 1e16, ptr null)
  call void @__quantum__qis__rz__body(double 9.999999999999999e15, ptr null)
  call void @__quantum__qis__rz__body(double 6.02214076e23, ptr null)
  call void @__quantum__qis__rx__body(double 1.0e+300, ptr null)
  call void @__quantum__qis__rx__body(double 123456789.125, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rx__body(double 0x3FF0000000000000, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rxx__body(double 0.1, ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ryy__body(double 0x3FB999999999999A, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rzz__body(double 1.2345678901234567e-5, ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__phasedx__body(double 0.25, double -1.5707963267948966, ptr null)
  ret void
}

declare void @__quantum__rt__initialize(ptr)

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__qis__rxx__body(double, ptr, ptr)

declare void @__quantum__qis__ryy__body(double, ptr, ptr)

declare void @__quantum__qis__rzz__body(double, ptr, ptr)

declare void @__quantum__qis__phasedx__body(double, double, ptr)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" "required_num_qubits"="3" "required_num_results"="0" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
