; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.72303030303100 = private constant [7 x i8] c"r00001\00"
@cstr.72303030303200 = private constant [7 x i8] c"r00002\00"
@cstr.72303030303300 = private constant [7 x i8] c"r00003\00"
@cstr.61727261793C6931207820343E00 = private constant [14 x i8] c"array<i1 x 4>\00"

define i1 @__nvqpp__mlirgen__several_returns..0x7f706a177f10() #0 {
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__ry__body(double 1.200000e+00, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 4, ptr @cstr.61727261793C6931207820343E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.72303030303000)
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %1, label %2, label %3

2:                                                ; preds = %0
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.72303030303100)
  br label %6

3:                                                ; preds = %0
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.72303030303200)
  %4 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  br i1 %4, label %6, label %5

5:                                                ; preds = %3
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.72303030303300)
  ret i1 true

6:                                                ; preds = %2, %3
  %7 = phi i1 [ false, %3 ], [ true, %2 ]
  ret i1 %7
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22r00000\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="3" "requiredResults"="4" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
