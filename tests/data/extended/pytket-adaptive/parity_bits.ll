; ModuleID = 'parity_bits'
source_filename = "parity_bits"

@0 = internal constant [2 x i8] c"f\00"
@1 = internal constant [2 x i8] c"m\00"
@2 = internal constant [4 x i8] c"out\00"
@3 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__ry__body(double 0x3FF41B2F769CF0E0, ptr null)
  call void @__quantum__qis__ry__body(double 0x40069E9565708EFC, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__ry__body(double 0x401197C987C952C4, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 0x4017E0485CDA5E0A, ptr inttoptr (i64 3 to ptr))
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
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  %24 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  %25 = zext i1 %24 to i64
  %26 = mul i64 %25, 8
  %27 = or i64 %26, %23
  %28 = sub i64 1, %25
  %29 = mul i64 %28, 8
  %30 = xor i64 9223372036854775807, %29
  %31 = and i64 %30, %27
  %32 = and i64 1, %31
  %33 = icmp eq i64 1, %32
  %34 = and i64 2, %31
  %35 = icmp eq i64 2, %34
  %36 = xor i1 %33, %35
  %37 = and i64 4, %31
  %38 = icmp eq i64 4, %37
  %39 = xor i1 %36, %38
  %40 = and i64 8, %31
  %41 = icmp eq i64 8, %40
  %42 = xor i1 %39, %41
  %43 = zext i1 %42 to i64
  %44 = mul i64 %43, 1
  %45 = or i64 %44, 0
  %46 = sub i64 1, %43
  %47 = mul i64 %46, 1
  %48 = xor i64 9223372036854775807, %47
  %49 = and i64 %48, %45
  %50 = and i64 1, %31
  %51 = icmp eq i64 1, %50
  %52 = and i64 2, %31
  %53 = icmp eq i64 2, %52
  %54 = and i1 %51, %53
  %55 = and i64 4, %31
  %56 = icmp eq i64 4, %55
  %57 = and i1 %54, %56
  %58 = zext i1 %57 to i64
  %59 = mul i64 %58, 2
  %60 = or i64 %59, %49
  %61 = sub i64 1, %58
  %62 = mul i64 %61, 2
  %63 = xor i64 9223372036854775807, %62
  %64 = and i64 %63, %60
  %65 = and i64 2, %31
  %66 = icmp eq i64 2, %65
  %67 = and i64 8, %31
  %68 = icmp eq i64 8, %67
  %69 = or i1 %66, %68
  %70 = zext i1 %69 to i64
  %71 = mul i64 %70, 4
  %72 = or i64 %71, %64
  %73 = sub i64 1, %70
  %74 = mul i64 %73, 4
  %75 = xor i64 9223372036854775807, %74
  %76 = and i64 %75, %72
  %77 = and i64 1, %76
  %78 = icmp eq i64 1, %77
  %79 = and i64 4, %76
  %80 = icmp eq i64 4, %79
  %81 = and i64 1, %31
  %82 = icmp eq i64 1, %81
  %83 = or i1 %80, %82
  %84 = and i1 %78, %83
  %85 = zext i1 %84 to i64
  %86 = mul i64 %85, 1
  %87 = or i64 %86, 0
  %88 = sub i64 1, %85
  %89 = mul i64 %88, 1
  %90 = xor i64 9223372036854775807, %89
  %91 = and i64 %90, %87
  %92 = and i64 1, %91
  %93 = icmp eq i64 1, %92
  br i1 %93, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 4 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  %94 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %95 = zext i1 %94 to i64
  %96 = mul i64 %95, 1
  %97 = or i64 %96, 0
  %98 = sub i64 1, %95
  %99 = mul i64 %98, 1
  %100 = xor i64 9223372036854775807, %99
  %101 = and i64 %100, %97
  call void @__quantum__rt__int_record_output(i64 %76, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %31, ptr @1)
  call void @__quantum__rt__int_record_output(i64 %101, ptr @2)
  call void @__quantum__rt__int_record_output(i64 %91, ptr @3)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
