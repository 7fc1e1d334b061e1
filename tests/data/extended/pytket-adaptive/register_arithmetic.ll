; ModuleID = 'register_arithmetic'
source_filename = "register_arithmetic"

@0 = internal constant [2 x i8] c"a\00"
@1 = internal constant [2 x i8] c"b\00"
@2 = internal constant [2 x i8] c"d\00"
@3 = internal constant [4 x i8] c"out\00"
@4 = internal constant [2 x i8] c"p\00"
@5 = internal constant [2 x i8] c"s\00"
@6 = internal constant [3 x i8] c"sh\00"
@7 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"
@8 = internal constant [2 x i8] c"x\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FEE28C731EB6950, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FFE28C731EB6950, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__ry__body(double 0x40069E9565708EFB, ptr inttoptr (i64 5 to ptr))
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
  %26 = mul i64 %25, 1
  %27 = or i64 %26, 0
  %28 = sub i64 1, %25
  %29 = mul i64 %28, 1
  %30 = xor i64 9223372036854775807, %29
  %31 = and i64 %30, %27
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  %32 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %33 = zext i1 %32 to i64
  %34 = mul i64 %33, 2
  %35 = or i64 %34, %31
  %36 = sub i64 1, %33
  %37 = mul i64 %36, 2
  %38 = xor i64 9223372036854775807, %37
  %39 = and i64 %38, %35
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 5 to ptr))
  %40 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 5 to ptr))
  %41 = zext i1 %40 to i64
  %42 = mul i64 %41, 4
  %43 = or i64 %42, %39
  %44 = sub i64 1, %41
  %45 = mul i64 %44, 4
  %46 = xor i64 9223372036854775807, %45
  %47 = and i64 %46, %43
  %48 = add i64 %23, %47
  %49 = and i64 %23, %47
  %50 = xor i64 %23, 5
  %51 = or i64 %49, %50
  %52 = mul i64 %23, %47
  %53 = add i64 %52, 1
  %54 = icmp uge i64 %51, 0
  %55 = icmp uge i64 1, %51
  %56 = and i1 %54, %55
  %57 = zext i1 %56 to i64
  %58 = mul i64 %57, 2
  %59 = or i64 %58, 0
  %60 = sub i64 1, %57
  %61 = mul i64 %60, 2
  %62 = xor i64 9223372036854775807, %61
  %63 = and i64 %62, %59
  %64 = sub i64 %48, %47
  %65 = icmp uge i64 %53, 10
  %66 = icmp uge i64 -1, %53
  %67 = and i1 %65, %66
  %68 = zext i1 %67 to i64
  %69 = mul i64 %68, 4
  %70 = or i64 %69, %63
  %71 = sub i64 1, %68
  %72 = mul i64 %71, 4
  %73 = xor i64 9223372036854775807, %72
  %74 = and i64 %73, %70
  %75 = shl i64 %48, 1
  %76 = lshr i64 %75, 2
  %77 = icmp eq i64 3, %64
  %78 = zext i1 %77 to i64
  %79 = mul i64 %78, 16
  %80 = or i64 %79, %74
  %81 = sub i64 1, %78
  %82 = mul i64 %81, 16
  %83 = xor i64 9223372036854775807, %82
  %84 = and i64 %83, %80
  %85 = icmp uge i64 %48, 7
  %86 = icmp uge i64 -1, %48
  %87 = and i1 %85, %86
  %88 = zext i1 %87 to i64
  %89 = mul i64 %88, 1
  %90 = or i64 %89, %84
  %91 = sub i64 1, %88
  %92 = mul i64 %91, 1
  %93 = xor i64 9223372036854775807, %92
  %94 = and i64 %93, %90
  %95 = icmp eq i64 1, %76
  %96 = zext i1 %95 to i64
  %97 = mul i64 %96, 8
  %98 = or i64 %97, %94
  %99 = sub i64 1, %96
  %100 = mul i64 %99, 8
  %101 = xor i64 9223372036854775807, %100
  %102 = and i64 %101, %98
  %103 = and i64 1, %102
  %104 = icmp eq i64 1, %103
  br i1 %104, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %105 = and i64 2, %102
  %106 = icmp eq i64 2, %105
  br i1 %106, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__h__body(ptr inttoptr (i64 6 to ptr))
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %107 = and i64 4, %102
  %108 = icmp eq i64 4, %107
  br i1 %108, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__z__body(ptr inttoptr (i64 6 to ptr))
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %109 = and i64 8, %102
  %110 = icmp eq i64 8, %109
  br i1 %110, label %contb3, label %condb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  %111 = and i64 16, %102
  %112 = icmp eq i64 16, %111
  br i1 %112, label %condb4, label %contb4

condb4:                                           ; preds = %contb3
  call void @__quantum__qis__y__body(ptr inttoptr (i64 6 to ptr))
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 6 to ptr), ptr inttoptr (i64 6 to ptr))
  %113 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 6 to ptr))
  %114 = zext i1 %113 to i64
  %115 = mul i64 %114, 1
  %116 = or i64 %115, 0
  %117 = sub i64 1, %114
  %118 = mul i64 %117, 1
  %119 = xor i64 9223372036854775807, %118
  %120 = and i64 %119, %116
  call void @__quantum__rt__int_record_output(i64 %23, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %47, ptr @1)
  call void @__quantum__rt__int_record_output(i64 %64, ptr @2)
  call void @__quantum__rt__int_record_output(i64 %120, ptr @3)
  call void @__quantum__rt__int_record_output(i64 %53, ptr @4)
  call void @__quantum__rt__int_record_output(i64 %48, ptr @5)
  call void @__quantum__rt__int_record_output(i64 %76, ptr @6)
  call void @__quantum__rt__int_record_output(i64 %102, ptr @7)
  call void @__quantum__rt__int_record_output(i64 %51, ptr @8)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__qis__y__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="7" "required_num_results"="7" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
