; ModuleID = 'compare_and_branch'
source_filename = "compare_and_branch"

@0 = internal constant [4 x i8] c"key\00"
@1 = internal constant [4 x i8] c"mix\00"
@2 = internal constant [4 x i8] c"out\00"
@3 = internal constant [4 x i8] c"sel\00"
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
  %24 = icmp eq i64 0, %23
  %25 = zext i1 %24 to i64
  %26 = mul i64 %25, 1
  %27 = or i64 %26, 0
  %28 = sub i64 1, %25
  %29 = mul i64 %28, 1
  %30 = xor i64 9223372036854775807, %29
  %31 = and i64 %30, %27
  %32 = icmp eq i64 3, %23
  %33 = zext i1 %32 to i64
  %34 = mul i64 %33, 2
  %35 = or i64 %34, %31
  %36 = sub i64 1, %33
  %37 = mul i64 %36, 2
  %38 = xor i64 9223372036854775807, %37
  %39 = and i64 %38, %35
  %40 = icmp eq i64 5, %23
  %41 = zext i1 %40 to i64
  %42 = mul i64 %41, 4
  %43 = or i64 %42, %39
  %44 = sub i64 1, %41
  %45 = mul i64 %44, 4
  %46 = xor i64 9223372036854775807, %45
  %47 = and i64 %46, %43
  %48 = icmp eq i64 6, %23
  %49 = zext i1 %48 to i64
  %50 = mul i64 %49, 8
  %51 = or i64 %50, %47
  %52 = sub i64 1, %49
  %53 = mul i64 %52, 8
  %54 = xor i64 9223372036854775807, %53
  %55 = and i64 %54, %51
  %56 = xor i64 %23, 3
  %57 = and i64 1, %55
  %58 = icmp eq i64 1, %57
  br i1 %58, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 3 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %59 = and i64 2, %55
  %60 = icmp eq i64 2, %59
  br i1 %60, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__h__body(ptr inttoptr (i64 3 to ptr))
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %61 = icmp eq i64 0, %56
  %62 = zext i1 %61 to i64
  %63 = mul i64 %62, 16
  %64 = or i64 %63, %55
  %65 = sub i64 1, %62
  %66 = mul i64 %65, 16
  %67 = xor i64 9223372036854775807, %66
  %68 = and i64 %67, %64
  %69 = icmp eq i64 7, %56
  %70 = zext i1 %69 to i64
  %71 = mul i64 %70, 32
  %72 = or i64 %71, %68
  %73 = sub i64 1, %70
  %74 = mul i64 %73, 32
  %75 = xor i64 9223372036854775807, %74
  %76 = and i64 %75, %72
  %77 = and i64 4, %76
  %78 = icmp eq i64 4, %77
  br i1 %78, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__y__body(ptr inttoptr (i64 3 to ptr))
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %79 = and i64 16, %76
  %80 = icmp eq i64 16, %79
  br i1 %80, label %condb3, label %contb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  %81 = and i64 8, %76
  %82 = icmp eq i64 8, %81
  br i1 %82, label %condb4, label %contb4

condb4:                                           ; preds = %contb3
  call void @__quantum__qis__s__adj(ptr inttoptr (i64 3 to ptr))
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  %83 = and i64 32, %76
  %84 = icmp eq i64 32, %83
  br i1 %84, label %condb5, label %contb5

condb5:                                           ; preds = %contb4
  call void @__quantum__qis__h__body(ptr inttoptr (i64 4 to ptr))
  br label %contb5

contb5:                                           ; preds = %condb5, %contb4
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  %85 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  %86 = zext i1 %85 to i64
  %87 = mul i64 %86, 1
  %88 = or i64 %87, 0
  %89 = sub i64 1, %86
  %90 = mul i64 %89, 1
  %91 = xor i64 9223372036854775807, %90
  %92 = and i64 %91, %88
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  %93 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %94 = zext i1 %93 to i64
  %95 = mul i64 %94, 2
  %96 = or i64 %95, %92
  %97 = sub i64 1, %94
  %98 = mul i64 %97, 2
  %99 = xor i64 9223372036854775807, %98
  %100 = and i64 %99, %96
  call void @__quantum__rt__int_record_output(i64 3, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %56, ptr @1)
  call void @__quantum__rt__int_record_output(i64 %100, ptr @2)
  call void @__quantum__rt__int_record_output(i64 %23, ptr @3)
  call void @__quantum__rt__int_record_output(i64 %76, ptr @4)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__y__body(ptr)

declare void @__quantum__qis__s__adj(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
