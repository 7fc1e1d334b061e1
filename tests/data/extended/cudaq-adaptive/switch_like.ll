; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.72303030303100 = private constant [7 x i8] c"r00001\00"
@cstr.72303030303200 = private constant [7 x i8] c"r00002\00"
@cstr.74617267657400 = private constant [7 x i8] c"target\00"
@cstr.61727261793C6931207820343E00 = private constant [14 x i8] c"array<i1 x 4>\00"

define void @__nvqpp__mlirgen__switch_like..0x7f706a185b50() #0 {
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 4, ptr @cstr.61727261793C6931207820343E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.72303030303000)
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  %2 = zext i1 %1 to i64
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.72303030303100)
  %3 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %3, label %4, label %6

4:                                                ; preds = %0
  %5 = add i64 %2, 2
  br label %6

6:                                                ; preds = %4, %0
  %7 = phi i64 [ %5, %4 ], [ %2, %0 ]
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.72303030303200)
  %8 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  br i1 %8, label %9, label %11

9:                                                ; preds = %6
  %10 = add i64 %7, 4
  br label %11

11:                                               ; preds = %9, %6
  %12 = phi i64 [ %10, %9 ], [ %7, %6 ]
  %13 = icmp eq i64 %12, 0
  br i1 %13, label %14, label %15

14:                                               ; preds = %11
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %25

15:                                               ; preds = %11
  %16 = icmp eq i64 %12, 3
  br i1 %16, label %17, label %18

17:                                               ; preds = %15
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  br label %25

18:                                               ; preds = %15
  %19 = icmp eq i64 %12, 5
  br i1 %19, label %20, label %21

20:                                               ; preds = %18
  call void @__quantum__qis__ry__body(double 6.000000e-01, ptr inttoptr (i64 3 to ptr))
  br label %25

21:                                               ; preds = %18
  %22 = icmp sge i64 %12, 6
  br i1 %22, label %23, label %24

23:                                               ; preds = %21
  call void @__quantum__qis__s__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  br label %25

24:                                               ; preds = %21
  call void @__quantum__qis__t__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  br label %25

25:                                               ; preds = %14, %17, %20, %23, %24
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.74617267657400)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__s__body(ptr)

declare void @__quantum__qis__t__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22r00000\22]],[1,[1,\22r00001\22]],[2,[2,\22r00002\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="4" "requiredResults"="4" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
