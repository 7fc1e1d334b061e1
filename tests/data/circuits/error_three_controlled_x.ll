; An X with three controls has no native gate; it must be decomposed before translation.
define void @main() #0 {
entry:
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 3, i64 1, ptr @__quantum__qis__x__ctl, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  ret void
}

declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, ptr, ...)
declare void @__quantum__qis__x__ctl(ptr, ptr)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" "required_num_qubits"="4" }
