; Gates outside the native set, rewritten into native gates: CUDA-Q's u3 and r1, sx, pytket's zzmax, zzphase and rxxyyzz, controlled rotations (one with an angle computed from a measurement), gates with more controls than the native ones, and adjoints.
; no reference: qirrunner has none of u3, r1, zzmax, zzphase, rxxyyzz or generalizedInvokeWithRotationsControlsTargets; tests/python/test_gate_rewrites.py multiplies out every rewrite instead.
@0 = internal constant [3 x i8] c"r0\00"
@1 = internal constant [3 x i8] c"r1\00"
@2 = internal constant [3 x i8] c"r2\00"
@3 = internal constant [3 x i8] c"r3\00"
@4 = internal constant [3 x i8] c"r4\00"
@5 = internal constant [3 x i8] c"r5\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__u3__body(double 4.000000e-01, double 5.000000e-01, double 6.000000e-01, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__r1__body(double -3.000000e-01, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__sx__body(ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__zzmax__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__zzphase__body(double 7.000000e-01, ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__rxxyyzz__body(double 1.000000e-01, double 2.000000e-01, double 3.000000e-01, ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 4, i64 1, ptr @__quantum__qis__x__ctl, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 1, i64 3, i64 1, ptr @__quantum__qis__z__ctl, ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 5 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 3, i64 0, i64 1, i64 1, ptr @__quantum__qis__u3__ctl, double 4.000000e-01, double 5.000000e-01, double 6.000000e-01, ptr null, ptr inttoptr (i64 5 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 1, i64 1, i64 1, ptr @__quantum__qis__rz__ctl, double 8.000000e-01, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 1, i64 1, i64 1, ptr @__quantum__qis__s__ctl, ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 5 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 2, i64 1, ptr @__quantum__qis__ry__ctl, double 1.200000e+00, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__qis__read_result__body(ptr null)
  %f = uitofp i1 %r to double
  %a = fmul double %f, 1.500000e+00
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__rx__ctl, double %a, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__rt__result_record_output(ptr null, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @4)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @5)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__u3__body(double, double, double, ptr)
declare void @__quantum__qis__r1__body(double, ptr)
declare void @__quantum__qis__sx__body(ptr)
declare void @__quantum__qis__zzmax__body(ptr, ptr)
declare void @__quantum__qis__zzphase__body(double, ptr, ptr)
declare void @__quantum__qis__rxxyyzz__body(double, double, double, ptr, ptr)
declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, ptr, ...)
declare void @__quantum__qis__x__ctl(ptr, ptr)
declare void @__quantum__qis__z__ctl(ptr, ptr)
declare void @__quantum__qis__u3__ctl(double, double, double, ptr, ptr)
declare void @__quantum__qis__rz__ctl(double, ptr, ptr)
declare void @__quantum__qis__s__ctl(ptr, ptr)
declare void @__quantum__qis__ry__ctl(double, ptr, ptr)
declare void @__quantum__qis__rx__ctl(double, ptr, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr) #1
declare i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="6" "required_num_results"="6" }
attributes #1 = { "irreversible" }
