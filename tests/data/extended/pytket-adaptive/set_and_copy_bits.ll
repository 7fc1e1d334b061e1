; ModuleID = 'set_and_copy_bits'
source_filename = "set_and_copy_bits"

@0 = internal constant [2 x i8] c"a\00"
@1 = internal constant [2 x i8] c"b\00"
@2 = internal constant [5 x i8] c"flag\00"
@3 = internal constant [4 x i8] c"out\00"
@4 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %1 = zext i1 %0 to i64
  %2 = mul i64 %1, 1
  %3 = or i64 %2, 0
  %4 = sub i64 1, %1
  %5 = mul i64 %4, 1
  %6 = xor i64 9223372036854775807, %5
  %7 = and i64 %6, %3
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %8 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %9 = zext i1 %8 to i64
  %10 = mul i64 %9, 2
  %11 = or i64 %10, %7
  %12 = sub i64 1, %9
  %13 = mul i64 %12, 2
  %14 = xor i64 9223372036854775807, %13
  %15 = and i64 %14, %11
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %16 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %17 = zext i1 %16 to i64
  %18 = mul i64 %17, 4
  %19 = or i64 %18, %15
  %20 = sub i64 1, %17
  %21 = mul i64 %20, 4
  %22 = xor i64 9223372036854775807, %21
  %23 = and i64 %22, %19
  %24 = and i64 1, %23
  %25 = icmp eq i64 1, %24
  %26 = zext i1 %25 to i64
  %27 = mul i64 %26, 2
  %28 = or i64 %27, 5
  %29 = sub i64 1, %26
  %30 = mul i64 %29, 2
  %31 = xor i64 9223372036854775807, %30
  %32 = and i64 %31, %28
  %33 = and i64 2, %23
  %34 = icmp eq i64 2, %33
  %35 = zext i1 %34 to i64
  %36 = mul i64 %35, 4
  %37 = or i64 %36, %32
  %38 = sub i64 1, %35
  %39 = mul i64 %38, 4
  %40 = xor i64 9223372036854775807, %39
  %41 = and i64 %40, %37
  %42 = icmp uge i64 %23, 2
  %43 = icmp uge i64 5, %23
  %44 = and i1 %42, %43
  %45 = zext i1 %44 to i64
  %46 = mul i64 %45, 1
  %47 = or i64 %46, 0
  %48 = sub i64 1, %45
  %49 = mul i64 %48, 1
  %50 = xor i64 9223372036854775807, %49
  %51 = and i64 %50, %47
  %52 = and i64 1, %51
  %53 = icmp eq i64 1, %52
  br i1 %53, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %54 = icmp eq i64 7, %41
  %55 = zext i1 %54 to i64
  %56 = mul i64 %55, 1
  %57 = or i64 %56, 0
  %58 = sub i64 1, %55
  %59 = mul i64 %58, 1
  %60 = xor i64 9223372036854775807, %59
  %61 = and i64 %60, %57
  %62 = and i64 1, %61
  %63 = icmp eq i64 1, %62
  br i1 %63, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  %64 = or i64 0, %23
  %65 = and i64 9223372036854775806, %64
  %66 = or i64 0, %65
  %67 = and i64 9223372036854775805, %66
  %68 = or i64 0, %67
  %69 = and i64 9223372036854775803, %68
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %70 = phi i64 [ %69, %condb1 ], [ %23, %contb0 ]
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  %71 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  %72 = zext i1 %71 to i64
  %73 = mul i64 %72, 1
  %74 = or i64 %73, 0
  %75 = sub i64 1, %72
  %76 = mul i64 %75, 1
  %77 = xor i64 9223372036854775807, %76
  %78 = and i64 %77, %74
  call void @__quantum__rt__int_record_output(i64 %70, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %41, ptr @1)
  call void @__quantum__rt__int_record_output(i64 %51, ptr @2)
  call void @__quantum__rt__int_record_output(i64 %78, ptr @3)
  call void @__quantum__rt__int_record_output(i64 %61, ptr @4)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="4" "required_num_results"="4" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
