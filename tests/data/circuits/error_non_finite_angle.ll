; A rotation by an infinite angle: OpenQASM 3 has no literal for it, and the service reads
; `inf` as an undefined name.
define void @rotations() #0 {
entry:
  call void @__quantum__qis__rx__body(double 0.5, ptr null)
  call void @__quantum__qis__rz__body(double 0x7FF0000000000000, ptr null)
  ret void
}

declare void @__quantum__qis__rx__body(double, ptr)
declare void @__quantum__qis__rz__body(double, ptr)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" }
