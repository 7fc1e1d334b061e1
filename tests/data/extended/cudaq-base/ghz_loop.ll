; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.67687A00 = private constant [4 x i8] c"ghz\00"
@cstr.61727261793C6931207820363E00 = private constant [14 x i8] c"array<i1 x 6>\00"

define void @__nvqpp__mlirgen__ghz_loop..0x7f70ec3a16d0() #0 {
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  call void @__quantum__rt__array_record_output(i64 6, ptr @cstr.61727261793C6931207820363E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.67687A00)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.67687A00)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.67687A00)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.67687A00)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @cstr.67687A00)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 5 to ptr), ptr @cstr.67687A00)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22ghz\22]],[1,[1,\22ghz\22]],[2,[2,\22ghz\22]],[3,[3,\22ghz\22]],[4,[4,\22ghz\22]],[5,[5,\22ghz\22]]]]" "qir_profiles"="base_profile" "requiredQubits"="6" "requiredResults"="6" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
