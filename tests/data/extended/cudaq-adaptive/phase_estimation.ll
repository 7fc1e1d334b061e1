; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.62697400 = private constant [4 x i8] c"bit\00"
@cstr.61727261793C6931207820333E00 = private constant [14 x i8] c"array<i1 x 3>\00"

define void @__nvqpp__mlirgen__phase_estimation..0x7f706a14f190() #0 {
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  %1 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 2)
  %2 = fmul double %1, 0x400F6A7A2955385E
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %2, ptr null, ptr inttoptr (i64 1 to ptr))
  %3 = fmul double %1, -0.000000e+00
  call void @__quantum__qis__r1__body(double %3, ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 3, ptr @cstr.61727261793C6931207820333E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.62697400)
  %4 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %4, label %5, label %9

5:                                                ; preds = %0
  %6 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 3)
  %7 = fdiv double 1.000000e+00, %6
  %8 = fadd double %7, 0.000000e+00
  call void @__quantum__qis__x__body(ptr null)
  br label %9

9:                                                ; preds = %5, %0
  %10 = phi double [ %8, %5 ], [ 0.000000e+00, %0 ]
  call void @__quantum__qis__h__body(ptr null)
  %11 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 1)
  %12 = fmul double %11, 0x400F6A7A2955385E
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %12, ptr null, ptr inttoptr (i64 1 to ptr))
  %13 = fmul double %10, 0xC01921FB54442D18
  %14 = fmul double %13, %11
  call void @__quantum__qis__r1__body(double %14, ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.62697400)
  %15 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %15, label %16, label %19

16:                                               ; preds = %9
  %17 = fdiv double 1.000000e+00, %1
  %18 = fadd double %10, %17
  call void @__quantum__qis__x__body(ptr null)
  br label %19

19:                                               ; preds = %16, %9
  %20 = phi double [ %18, %16 ], [ %10, %9 ]
  call void @__quantum__qis__h__body(ptr null)
  %21 = call double @__mlir_math_fpowi_f64_i64(double 2.000000e+00, i64 0)
  %22 = fmul double %21, 0x400F6A7A2955385E
  call void (i64, i64, i64, i64, ptr, ...) @generalizedInvokeWithRotationsControlsTargets(i64 1, i64 0, i64 1, i64 1, ptr @__quantum__qis__r1__ctl, double %22, ptr null, ptr inttoptr (i64 1 to ptr))
  %23 = fmul double %20, 0xC01921FB54442D18
  %24 = fmul double %23, %21
  call void @__quantum__qis__r1__body(double %24, ptr null)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.62697400)
  %25 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  br i1 %25, label %26, label %27

26:                                               ; preds = %19
  call void @__quantum__qis__x__body(ptr null)
  br label %27

27:                                               ; preds = %26, %19
  ret void
}

declare void @__quantum__qis__r1__ctl(double, ptr, ptr)

declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, ptr, ...)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__r1__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

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

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22bit\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="2" "requiredResults"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
