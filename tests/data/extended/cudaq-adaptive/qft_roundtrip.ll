; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.72303030303100 = private constant [7 x i8] c"r00001\00"
@cstr.72303030303200 = private constant [7 x i8] c"r00002\00"
@cstr.72303030303300 = private constant [7 x i8] c"r00003\00"
@cstr.72303030303400 = private constant [7 x i8] c"r00004\00"
@cstr.61727261793C6931207820353E00 = private constant [14 x i8] c"array<i1 x 5>\00"

define void @__nvqpp__mlirgen__qft_roundtrip..0x7f706a10eed0({ ptr, ptr } %0) #0 {
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  %2 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 1)
  %3 = fdiv double 0x400921FB54442D18, %2
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %3, ptr inttoptr (i64 1 to ptr), ptr null)
  %4 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 2)
  %5 = fdiv double 0x400921FB54442D18, %4
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %5, ptr inttoptr (i64 2 to ptr), ptr null)
  %6 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 3)
  %7 = fdiv double 0x400921FB54442D18, %6
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %3, ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  %8 = fneg double %3
  %9 = fadd double %8, %3
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %9, ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  %10 = fneg double %5
  %11 = fadd double %10, %5
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %11, ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 1 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %8, ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  %12 = fneg double %7
  %13 = fadd double %12, %7
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %13, ptr inttoptr (i64 3 to ptr), ptr null)
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %10, ptr inttoptr (i64 2 to ptr), ptr null)
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %8, ptr inttoptr (i64 1 to ptr), ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 2, i64 1, ptr @__quantum__qis__x__ctl, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr), ptr null)
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 3, i64 1, ptr @__quantum__qis__x__ctl, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 2 to ptr))
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 4, i64 1, ptr @__quantum__qis__x__ctl, ptr null, ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
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

declare void @__quantum__qis__x__ctl(ptr, ptr)

declare void @__quantum__qis__r1__ctl(double, ptr, ptr)

declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, ptr, ...)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

define linkonce_odr double @__mlir_math_fpowi_f64_i64(double %0, i64 %1) {
  %3 = icmp eq i64 %1, 0
  br i1 %3, label %4, label %5

4:                                                ; preds = %2
  ret double 1.000000e+00

5:                                                ; preds = %2
  %6 = icmp sle i64 %1, 0
  %7 = icmp eq i64 %1, -9223372036854775808
  %8 = sub i64 0, %1
  %9 = select i1 %6, i64 %8, i64 %1
  %10 = select i1 %7, i64 9223372036854775807, i64 %9
  br label %11

11:                                               ; preds = %23, %5
  %12 = phi double [ %20, %23 ], [ 1.000000e+00, %5 ]
  %13 = phi double [ %24, %23 ], [ %0, %5 ]
  %14 = phi i64 [ %21, %23 ], [ %10, %5 ]
  %15 = and i64 %14, 1
  %16 = icmp ne i64 %15, 0
  br i1 %16, label %17, label %19

17:                                               ; preds = %11
  %18 = fmul double %12, %13
  br label %19

19:                                               ; preds = %17, %11
  %20 = phi double [ %18, %17 ], [ %12, %11 ]
  %21 = lshr i64 %14, 1
  %22 = icmp eq i64 %21, 0
  br i1 %22, label %25, label %23

23:                                               ; preds = %19
  %24 = fmul double %13, %13
  br label %11

25:                                               ; preds = %19
  %26 = phi double [ %20, %19 ]
  br i1 %7, label %27, label %29

27:                                               ; preds = %25
  %28 = fmul double %26, %0
  br label %29

29:                                               ; preds = %27, %25
  %30 = phi double [ %28, %27 ], [ %26, %25 ]
  br i1 %6, label %31, label %33

31:                                               ; preds = %29
  %32 = fdiv double 1.000000e+00, %30
  br label %33

33:                                               ; preds = %31, %29
  %34 = phi double [ %32, %31 ], [ %30, %29 ]
  ret double %34
}

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22r00000\22]],[1,[1,\22r00001\22]],[2,[2,\22r00002\22]],[3,[3,\22r00003\22]],[4,[4,\22r00004\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="5" "requiredResults"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
