; ModuleID = 'LLVMDialectModule'
source_filename = "LLVMDialectModule"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-i128:128-f80:128-n8:16:32:64-S128"

@cstr.72303030303000 = private constant [7 x i8] c"r00000\00"
@cstr.72303030303100 = private constant [7 x i8] c"r00001\00"
@cstr.72303030303200 = private constant [7 x i8] c"r00002\00"
@cstr.72303030303300 = private constant [7 x i8] c"r00003\00"
@cstr.61727261793C6931207820343E00 = private constant [14 x i8] c"array<i1 x 4>\00"

define void @__nvqpp__mlirgen__qaoa_ring..0x7f707dbaaa10() #0 {
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  %1 = alloca [2 x double], align 8
  store double 4.000000e-01, ptr %1, align 8
  %2 = getelementptr [2 x double], ptr %1, i32 0, i32 1
  store double 8.000000e-01, ptr %2, align 8
  %3 = alloca [2 x double], align 8
  store double 0x3FE6666666666666, ptr %3, align 8
  %4 = getelementptr [2 x double], ptr %3, i32 0, i32 1
  store double 3.000000e-01, ptr %4, align 8
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  %5 = load double, ptr %1, align 8
  %6 = fmul double %5, 2.000000e+00
  call void @__quantum__qis__rz__body(double %6, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rz__body(double %6, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__rz__body(double %6, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 3 to ptr), ptr null)
  call void @__quantum__qis__rz__body(double %6, ptr null)
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 3 to ptr), ptr null)
  %7 = load double, ptr %3, align 8
  %8 = fmul double %7, 2.000000e+00
  call void @__quantum__qis__rx__body(double %8, ptr null)
  call void @__quantum__qis__rx__body(double %8, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rx__body(double %8, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double %8, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  %9 = load double, ptr %2, align 8
  %10 = fmul double %9, 2.000000e+00
  call void @__quantum__qis__rz__body(double %10, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rz__body(double %10, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__rz__body(double %10, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 3 to ptr), ptr null)
  call void @__quantum__qis__rz__body(double %10, ptr null)
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 3 to ptr), ptr null)
  %11 = load double, ptr %4, align 8
  %12 = fmul double %11, 2.000000e+00
  call void @__quantum__qis__rx__body(double %12, ptr null)
  call void @__quantum__qis__rx__body(double %12, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__rx__body(double %12, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double %12, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__rt__array_record_output(i64 4, ptr @cstr.61727261793C6931207820343E00)
  call void @__quantum__rt__result_record_output(ptr null, ptr @cstr.72303030303000)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @cstr.72303030303100)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @cstr.72303030303200)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @cstr.72303030303300)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr) #1

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__rz__body(double, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__rt__array_record_output(i64, ptr)

attributes #0 = { "entry_point" "output_labeling_schema"="schema_id" "output_names"="[[[0,[0,\22r00000\22]],[1,[1,\22r00001\22]],[2,[2,\22r00002\22]],[3,[3,\22r00003\22]]]]" "qir_profiles"="adaptive_profile" "requiredQubits"="4" "requiredResults"="4" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0}

!0 = !{i32 2, !"Debug Info Version", i32 3}
