; ModuleID = 'repetition_code'
source_filename = "repetition_code"

@0 = internal constant [6 x i8] c"count\00"
@1 = internal constant [5 x i8] c"data\00"
@2 = internal constant [4 x i8] c"syn\00"
@3 = internal constant [15 x i8] c"tk_SCRATCH_BIT\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__x__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__rx__body(double 0x3FE921FB54442D18, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  %0 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  %1 = zext i1 %0 to i64
  %2 = mul i64 %1, 1
  %3 = or i64 %2, 0
  %4 = sub i64 1, %1
  %5 = mul i64 %4, 1
  %6 = xor i64 9223372036854775807, %5
  %7 = and i64 %6, %3
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  %8 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %9 = zext i1 %8 to i64
  %10 = mul i64 %9, 2
  %11 = or i64 %10, %7
  %12 = sub i64 1, %9
  %13 = mul i64 %12, 2
  %14 = xor i64 9223372036854775807, %13
  %15 = and i64 %14, %11
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %16 = icmp eq i64 1, %15
  %17 = zext i1 %16 to i64
  %18 = mul i64 %17, 1
  %19 = or i64 %18, 0
  %20 = sub i64 1, %17
  %21 = mul i64 %20, 1
  %22 = xor i64 9223372036854775807, %21
  %23 = and i64 %22, %19
  %24 = icmp eq i64 3, %15
  %25 = zext i1 %24 to i64
  %26 = mul i64 %25, 2
  %27 = or i64 %26, %23
  %28 = sub i64 1, %25
  %29 = mul i64 %28, 2
  %30 = xor i64 9223372036854775807, %29
  %31 = and i64 %30, %27
  %32 = icmp eq i64 2, %15
  %33 = zext i1 %32 to i64
  %34 = mul i64 %33, 4
  %35 = or i64 %34, %31
  %36 = sub i64 1, %33
  %37 = mul i64 %36, 4
  %38 = xor i64 9223372036854775807, %37
  %39 = and i64 %38, %35
  %40 = icmp eq i64 0, %15
  %41 = zext i1 %40 to i64
  %42 = mul i64 %41, 8
  %43 = or i64 %42, %39
  %44 = sub i64 1, %41
  %45 = mul i64 %44, 8
  %46 = xor i64 9223372036854775807, %45
  %47 = and i64 %46, %43
  %48 = and i64 8, %47
  %49 = icmp eq i64 8, %48
  br i1 %49, label %contb0, label %condb0

condb0:                                           ; preds = %entry
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %50 = phi i64 [ 1, %condb0 ], [ 0, %entry ]
  %51 = and i64 1, %47
  %52 = icmp eq i64 1, %51
  br i1 %52, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__x__body(ptr null)
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %53 = and i64 2, %47
  %54 = icmp eq i64 2, %53
  br i1 %54, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %55 = and i64 4, %47
  %56 = icmp eq i64 4, %55
  br i1 %56, label %condb3, label %contb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__rx__body(double 0x3FF921FB54442D18, ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  %57 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 3 to ptr))
  %58 = zext i1 %57 to i64
  %59 = mul i64 %58, 1
  %60 = or i64 %59, %15
  %61 = sub i64 1, %58
  %62 = mul i64 %61, 1
  %63 = xor i64 9223372036854775807, %62
  %64 = and i64 %63, %60
  call void @__quantum__qis__cnot__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  %65 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 4 to ptr))
  %66 = zext i1 %65 to i64
  %67 = mul i64 %66, 2
  %68 = or i64 %67, %64
  %69 = sub i64 1, %66
  %70 = mul i64 %69, 2
  %71 = xor i64 9223372036854775807, %70
  %72 = and i64 %71, %68
  call void @__quantum__qis__reset__body(ptr inttoptr (i64 4 to ptr))
  %73 = icmp eq i64 1, %72
  %74 = zext i1 %73 to i64
  %75 = mul i64 %74, 16
  %76 = or i64 %75, %47
  %77 = sub i64 1, %74
  %78 = mul i64 %77, 16
  %79 = xor i64 9223372036854775807, %78
  %80 = and i64 %79, %76
  %81 = icmp eq i64 3, %72
  %82 = zext i1 %81 to i64
  %83 = mul i64 %82, 32
  %84 = or i64 %83, %80
  %85 = sub i64 1, %82
  %86 = mul i64 %85, 32
  %87 = xor i64 9223372036854775807, %86
  %88 = and i64 %87, %84
  %89 = icmp eq i64 2, %72
  %90 = zext i1 %89 to i64
  %91 = mul i64 %90, 64
  %92 = or i64 %91, %88
  %93 = sub i64 1, %90
  %94 = mul i64 %93, 64
  %95 = xor i64 9223372036854775807, %94
  %96 = and i64 %95, %92
  %97 = icmp eq i64 0, %72
  %98 = zext i1 %97 to i64
  %99 = mul i64 %98, 128
  %100 = or i64 %99, %96
  %101 = sub i64 1, %98
  %102 = mul i64 %101, 128
  %103 = xor i64 9223372036854775807, %102
  %104 = and i64 %103, %100
  %105 = and i64 128, %104
  %106 = icmp eq i64 128, %105
  br i1 %106, label %contb4, label %condb4

condb4:                                           ; preds = %contb3
  %107 = add i64 %50, 1
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  %108 = phi i64 [ %107, %condb4 ], [ %50, %contb3 ]
  %109 = and i64 16, %104
  %110 = icmp eq i64 16, %109
  br i1 %110, label %condb5, label %contb5

condb5:                                           ; preds = %contb4
  call void @__quantum__qis__x__body(ptr null)
  br label %contb5

contb5:                                           ; preds = %condb5, %contb4
  %111 = and i64 32, %104
  %112 = icmp eq i64 32, %111
  br i1 %112, label %condb6, label %contb6

condb6:                                           ; preds = %contb5
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %contb6

contb6:                                           ; preds = %condb6, %contb5
  %113 = and i64 64, %104
  %114 = icmp eq i64 64, %113
  br i1 %114, label %condb7, label %contb7

condb7:                                           ; preds = %contb6
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %contb7

contb7:                                           ; preds = %condb7, %contb6
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %115 = call i1 @__quantum__qis__read_result__body(ptr null)
  %116 = zext i1 %115 to i64
  %117 = mul i64 %116, 1
  %118 = or i64 %117, 0
  %119 = sub i64 1, %116
  %120 = mul i64 %119, 1
  %121 = xor i64 9223372036854775807, %120
  %122 = and i64 %121, %118
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %123 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %124 = zext i1 %123 to i64
  %125 = mul i64 %124, 2
  %126 = or i64 %125, %122
  %127 = sub i64 1, %124
  %128 = mul i64 %127, 2
  %129 = xor i64 9223372036854775807, %128
  %130 = and i64 %129, %126
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %131 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %132 = zext i1 %131 to i64
  %133 = mul i64 %132, 4
  %134 = or i64 %133, %130
  %135 = sub i64 1, %132
  %136 = mul i64 %135, 4
  %137 = xor i64 9223372036854775807, %136
  %138 = and i64 %137, %134
  call void @__quantum__rt__int_record_output(i64 %108, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %138, ptr @1)
  call void @__quantum__rt__int_record_output(i64 %72, ptr @2)
  call void @__quantum__rt__int_record_output(i64 %104, ptr @3)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__cnot__body(ptr, ptr)

declare void @__quantum__qis__rx__body(double, ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__reset__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
