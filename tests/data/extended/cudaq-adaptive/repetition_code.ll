; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.733000 = private constant [3 x i8] c"s0\00"
@cstr.733100 = private constant [3 x i8] c"s1\00"
@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.72303030303100 = private constant [7 x i8] c"r00001\00"
@cstr.72303030303200 = private constant [7 x i8] c"r00002\00"
@cstr.61727261793C6931207820393E00 = private constant [14 x i8] c"array<i1 x 9>\00"

define void @__nvqpp__mlirgen__repetition_code..0x7f706a106f90() #0 {
  call void @__quantum__qis__x__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double 3.000000e-01, ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr null)
  call void @__quantum__rt__array_record_output(i64 9, ptr @cstr.61727261793C6931207820393E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.733000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.733100)
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  %2 = zext i1 %1 to i64
  %3 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %3, label %4, label %6

4:                                                ; preds = %0
  %5 = add i64 %2, 2
  br label %6

6:                                                ; preds = %4, %0
  %7 = phi i64 [ %5, %4 ], [ %2, %0 ]
  %8 = icmp eq i64 %7, 1
  br i1 %8, label %9, label %11

9:                                                ; preds = %13, %11, %6
  %10 = phi ptr [ inttoptr (i64 2 to ptr), %13 ], [ inttoptr (i64 1 to ptr), %11 ], [ null, %6 ]
  call void @__quantum__qis__x__body(ptr %10)
  br label %15

11:                                               ; preds = %6
  %12 = icmp eq i64 %7, 3
  br i1 %12, label %9, label %13

13:                                               ; preds = %11
  %14 = icmp eq i64 %7, 2
  br i1 %14, label %9, label %15

15:                                               ; preds = %9, %13
  call void @__quantum__qis__rx__body(double 6.000000e-01, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.733000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.733100)
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %16 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %17 = zext i1 %16 to i64
  %18 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  br i1 %18, label %19, label %21

19:                                               ; preds = %15
  %20 = add i64 %17, 2
  br label %21

21:                                               ; preds = %19, %15
  %22 = phi i64 [ %20, %19 ], [ %17, %15 ]
  %23 = icmp eq i64 %22, 1
  br i1 %23, label %24, label %26

24:                                               ; preds = %28, %26, %21
  %25 = phi ptr [ inttoptr (i64 2 to ptr), %28 ], [ inttoptr (i64 1 to ptr), %26 ], [ null, %21 ]
  call void @__quantum__qis__x__body(ptr %25)
  br label %30

26:                                               ; preds = %21
  %27 = icmp eq i64 %22, 3
  br i1 %27, label %24, label %28

28:                                               ; preds = %26
  %29 = icmp eq i64 %22, 2
  br i1 %29, label %24, label %30

30:                                               ; preds = %24, %28
  call void @__quantum__qis__rx__body(double 0x3FECCCCCCCCCCCCC, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @cstr.733000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @cstr.733100)
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %31 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %32 = zext i1 %31 to i64
  %33 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 5 to ptr))
  br i1 %33, label %34, label %36

34:                                               ; preds = %30
  %35 = add i64 %32, 2
  br label %36

36:                                               ; preds = %34, %30
  %37 = phi i64 [ %35, %34 ], [ %32, %30 ]
  %38 = icmp eq i64 %37, 1
  br i1 %38, label %39, label %41

39:                                               ; preds = %43, %41, %36
  %40 = phi ptr [ inttoptr (i64 2 to ptr), %43 ], [ inttoptr (i64 1 to ptr), %41 ], [ null, %36 ]
  call void @__quantum__qis__x__body(ptr %40)
  br label %45

41:                                               ; preds = %36
  %42 = icmp eq i64 %37, 3
  br i1 %42, label %39, label %43

43:                                               ; preds = %41
  %44 = icmp eq i64 %37, 2
  br i1 %44, label %39, label %45

45:                                               ; preds = %39, %43
  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 6 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 6 to ptr), ptr @cstr.72303030303000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 7 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 7 to ptr), ptr @cstr.72303030303100)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 8 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 8 to ptr), ptr @cstr.72303030303200)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__reset__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[3,\22s0\22]],[1,[4,\22s1\22]],[2,[3,\22s0\22]],[3,[4,\22s1\22]],[4,[3,\22s0\22]],[5,[4,\22s1\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="5" "requiredResults"="9" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
