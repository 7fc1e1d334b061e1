; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.6D3000 = private constant [3 x i8] c"m0\00"
@cstr.6D3100 = private constant [3 x i8] c"m1\00"
@cstr.74656C65706F7274656400 = private constant [11 x i8] c"teleported\00"
@cstr.61727261793C6931207820333E00 = private constant [14 x i8] c"array<i1 x 3>\00"

define void @__nvqpp__mlirgen__teleport..0x7f706a12d2d0() #0 {
  call void @__quantum__qis__ry__body(double 1.100000e+00, ptr null)
  call void @__quantum__qis__rz__body(double 4.000000e-01, ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 3, ptr @cstr.61727261793C6931207820333E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.6D3000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.6D3100)
  %1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  br i1 %1, label %2, label %3

2:                                                ; preds = %0
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %3

3:                                                ; preds = %2, %0
  %4 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %4, label %5, label %6

5:                                                ; preds = %3
  call void @__quantum__qis__z__body(ptr inttoptr (i64 2 to ptr))
  br label %6

6:                                                ; preds = %5, %3
  call void @__quantum__qis__rz__body(double -4.000000e-01, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double -1.100000e+00, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.74656C65706F7274656400)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22m0\22]],[1,[1,\22m1\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="3" "requiredResults"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
