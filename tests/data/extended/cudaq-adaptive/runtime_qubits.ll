; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.6100 = private constant [2 x i8] c"a\00"
@cstr.6200 = private constant [2 x i8] c"b\00"
@cstr.616C6C5F61677265656400 = private constant [11 x i8] c"all_agreed\00"
@cstr.61727261793C6931207820373E00 = private constant [14 x i8] c"array<i1 x 7>\00"

define void @__nvqpp__mlirgen__runtime_qubits..0x7f706a16b850() #0 {
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  call void @__quantum__rt__array_record_output(i64 7, ptr @cstr.61727261793C6931207820373E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.6100)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.6200)
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  %2 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %3 = icmp eq i1 %1, %2
  %4 = zext i1 %3 to i64
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.6100)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.6200)
  %5 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %6 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  %7 = icmp eq i1 %5, %6
  br i1 %7, label %8, label %10

8:                                                ; preds = %0
  %9 = add i64 %4, 1
  br label %10

10:                                               ; preds = %8, %0
  %11 = phi i64 [ %9, %8 ], [ %4, %0 ]
  call void @__quantum__qis__h__body(ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 6 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @cstr.6100)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 6 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @cstr.6200)
  %12 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %13 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 5 to ptr))
  %14 = icmp eq i1 %12, %13
  br i1 %14, label %15, label %17

15:                                               ; preds = %10
  %16 = add i64 %11, 1
  br label %17

17:                                               ; preds = %15, %10
  %18 = phi i64 [ %16, %15 ], [ %11, %10 ]
  %19 = icmp eq i64 %18, 3
  br i1 %19, label %20, label %21

20:                                               ; preds = %17
  call void @__quantum__qis__x__body(ptr null)
  br label %21

21:                                               ; preds = %20, %17
  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 6 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 6 to ptr), ptr @cstr.616C6C5F61677265656400)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[1,\22a\22]],[1,[2,\22b\22]],[2,[3,\22a\22]],[3,[4,\22b\22]],[4,[5,\22a\22]],[5,[6,\22b\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="7" "requiredResults"="7" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
