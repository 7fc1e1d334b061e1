; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.72303030303100 = private constant [7 x i8] c"r00001\00"
@cstr.72303030303200 = private constant [7 x i8] c"r00002\00"
@cstr.72303030303300 = private constant [7 x i8] c"r00003\00"
@cstr.72303030303400 = private constant [7 x i8] c"r00004\00"
@cstr.61727261793C6931207820353E00 = private constant [14 x i8] c"array<i1 x 5>\00"

define void @__nvqpp__mlirgen__controlled_gates..0x7f706a169f10() #0 {
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FE6666666666666, ptr inttoptr (i64 2 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__rx__ctl, double 9.000000e-01, ptr null, ptr inttoptr (i64 3 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__ry__ctl, double 1.100000e+00, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__rz__ctl, double 5.000000e-01, ptr null, ptr inttoptr (i64 4 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double 8.000000e-01, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 2, i64 1, ptr @__quantum__qis__x__ctl, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 3, i64 1, ptr @__quantum__qis__x__ctl, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 1, i64 2, ptr @__quantum__qis__swap__ctl, ptr null, ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 1, i64 1, ptr @__quantum__qis__h__ctl, ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 5, ptr @cstr.61727261793C6931207820353E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.72303030303000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.72303030303100)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.72303030303200)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.72303030303300)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @cstr.72303030303400)
  ret void
}

declare void @__quantum__qis__h__ctl(ptr, ptr)

declare void @__quantum__qis__x__ctl(ptr, ptr)

declare void @__quantum__qis__swap__ctl(ptr, ptr, ptr)

declare void @__quantum__qis__rx__ctl(double, ptr, ptr)

declare void @__quantum__qis__ry__ctl(double, ptr, ptr)

declare void @__quantum__qis__rz__ctl(double, ptr, ptr)

declare void @__quantum__qis__r1__ctl(double, ptr, ptr)

declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, ptr, ...)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22r00000\22]],[1,[1,\22r00001\22]],[2,[2,\22r00002\22]],[3,[3,\22r00003\22]],[4,[4,\22r00004\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="5" "requiredResults"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
