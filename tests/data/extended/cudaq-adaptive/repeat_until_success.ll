; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.666C616700 = private constant [5 x i8] c"flag\00"
@cstr.61727261793C6931207820323E00 = private constant [14 x i8] c"array<i1 x 2>\00"

define void @__nvqpp__mlirgen__repeat_until_success..0x7f706a14eb50({ ptr, ptr } %0) #0 {
  br label %2

2:                                                ; preds = %13, %10, %1
  %3 = phi i1 [ %3, %13 ], [ true, %10 ], [ false, %1 ]
  %4 = phi i64 [ %11, %13 ], [ %11, %10 ], [ 0, %1 ]
  %5 = phi ptr [ %5, %13 ], [ %5, %10 ], [ null, %1 ]
  br i1 %3, label %8, label %6

6:                                                ; preds = %2
  %7 = icmp slt i64 %4, 5
  br label %8

8:                                                ; preds = %6, %2
  %9 = phi i1 [ %7, %6 ], [ false, %2 ]
  br i1 %9, label %10, label %14

10:                                               ; preds = %8
  %11 = add i64 %4, 1
  call void @__quantum__qis__h__body(ptr %5)
  call void @__quantum__qis__t__body(ptr %5)
  call void @__quantum__qis__h__body(ptr %5)
  call void @__quantum__qis__mz__body(ptr %5, ptr null)
  call void @__quantum__rt__array_record_output(i64 2, ptr @cstr.61727261793C6931207820323E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.72303030303000)
  %12 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %12, label %2, label %13

13:                                               ; preds = %10
  call void @__quantum__qis__reset__body(ptr %5)
  br label %2

14:                                               ; preds = %8
  br i1 %3, label %15, label %16

15:                                               ; preds = %14
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %16

16:                                               ; preds = %15, %14
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.666C616700)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__t__body(ptr)

declare void @__quantum__qis__reset__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[1,[1,\22flag\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="2" "requiredResults"="2" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
