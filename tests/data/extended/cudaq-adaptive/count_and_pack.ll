; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.6200 = private constant [2 x i8] c"b\00"
@cstr.6F757400 = private constant [4 x i8] c"out\00"
@cstr.61727261793C6931207820363E00 = private constant [14 x i8] c"array<i1 x 6>\00"

define void @__nvqpp__mlirgen__count_and_pack..0x7f70d8f40a10() #0 {
  call void @__quantum__qis__ry__body(double 3.000000e-01, ptr null)
  call void @__quantum__qis__ry__body(double 6.000000e-01, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FECCCCCCCCCCCCC, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 1.200000e+00, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__ry__body(double 1.500000e+00, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 6, ptr @cstr.61727261793C6931207820363E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.6200)
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  %2 = zext i1 %1 to i64
  %3 = zext i1 %1 to i64
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.6200)
  %4 = mul i64 %3, 2
  %5 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %5, label %6, label %9

6:                                                ; preds = %0
  %7 = add i64 %2, 1
  %8 = add i64 %4, 1
  br label %9

9:                                                ; preds = %6, %0
  %10 = phi i64 [ %7, %6 ], [ %2, %0 ]
  %11 = phi i64 [ %8, %6 ], [ %4, %0 ]
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.6200)
  %12 = mul i64 %11, 2
  %13 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  br i1 %13, label %14, label %17

14:                                               ; preds = %9
  %15 = add i64 %10, 1
  %16 = add i64 %12, 1
  br label %17

17:                                               ; preds = %14, %9
  %18 = phi i64 [ %15, %14 ], [ %10, %9 ]
  %19 = phi i64 [ %16, %14 ], [ %12, %9 ]
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.6200)
  %20 = mul i64 %19, 2
  %21 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  br i1 %21, label %22, label %25

22:                                               ; preds = %17
  %23 = add i64 %18, 1
  %24 = add i64 %20, 1
  br label %25

25:                                               ; preds = %22, %17
  %26 = phi i64 [ %23, %22 ], [ %18, %17 ]
  %27 = phi i64 [ %24, %22 ], [ %20, %17 ]
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @cstr.6200)
  %28 = mul i64 %27, 2
  %29 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  br i1 %29, label %30, label %33

30:                                               ; preds = %25
  %31 = add i64 %26, 1
  %32 = add i64 %28, 1
  br label %33

33:                                               ; preds = %30, %25
  %34 = phi i64 [ %31, %30 ], [ %26, %25 ]
  %35 = phi i64 [ %32, %30 ], [ %28, %25 ]
  %36 = urem i64 %34, 2
  %37 = icmp eq i64 %36, 1
  br i1 %37, label %38, label %39

38:                                               ; preds = %33
  call void @__quantum__qis__z__body(ptr inttoptr (i64 5 to ptr))
  br label %39

39:                                               ; preds = %38, %33
  %40 = icmp sle i64 %35, 20
  br i1 %40, label %43, label %41

41:                                               ; preds = %39
  %42 = icmp slt i64 %34, 4
  br label %43

43:                                               ; preds = %41, %39
  %44 = phi i1 [ %42, %41 ], [ false, %39 ]
  br i1 %44, label %45, label %46

45:                                               ; preds = %43
  call void @__quantum__qis__x__body(ptr inttoptr (i64 5 to ptr))
  br label %49

46:                                               ; preds = %43
  %47 = icmp eq i64 %35, 3
  br i1 %47, label %48, label %49

48:                                               ; preds = %46
  call void @__quantum__qis__h__body(ptr inttoptr (i64 5 to ptr))
  br label %49

49:                                               ; preds = %45, %48, %46
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @cstr.6F757400)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22b\22]],[1,[1,\22b\22]],[2,[2,\22b\22]],[3,[3,\22b\22]],[4,[4,\22b\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="6" "requiredResults"="6" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
