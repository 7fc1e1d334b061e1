; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.726563656976657200 = private constant [9 x i8] c"receiver\00"
@cstr.73656E6465723000 = private constant [8 x i8] c"sender0\00"
@cstr.73656E6465723100 = private constant [8 x i8] c"sender1\00"
@cstr.61727261793C6931207820333E00 = private constant [14 x i8] c"array<i1 x 3>\00"

define void @__nvqpp__mlirgen__teleport_deferred..0x7f706a12fc90() #0 {
  call void @__quantum__qis__ry__body(double 1.300000e+00, ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cz__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double -1.300000e+00, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr null)
  call void @__quantum__rt__array_record_output(i64 3, ptr @cstr.61727261793C6931207820333E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.726563656976657200)
  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.73656E6465723000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.73656E6465723100)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__qis__cz__body(ptr, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[2,\22receiver\22]],[1,[0,\22sender0\22]],[2,[1,\22sender1\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="3" "requiredResults"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
