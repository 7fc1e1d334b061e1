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
  %0 = call ptr @create_creg(i64 3)
  %1 = call ptr @create_creg(i64 3)
  %2 = call ptr @create_creg(i64 3)
  %3 = call ptr @create_creg(i64 1)
  %4 = call ptr @create_creg(i64 6)
  %5 = call ptr @create_creg(i64 4)
  %6 = call ptr @create_creg(i64 4)
  %7 = call ptr @create_creg(i64 5)
  %8 = call ptr @create_creg(i64 3)
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__h__body(ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__h__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FEE28C731EB6950, ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__ry__body(double 0x3FFE28C731EB6950, ptr inttoptr (i64 4 to ptr))
  call void @__quantum__qis__ry__body(double 0x40069E9565708EFB, ptr inttoptr (i64 5 to ptr))
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 1 to ptr), ptr %0, i64 1)
  call void @mz_to_creg_bit(ptr inttoptr (i64 2 to ptr), ptr %0, i64 2)
  call void @mz_to_creg_bit(ptr inttoptr (i64 3 to ptr), ptr %1, i64 0)
  call void @mz_to_creg_bit(ptr inttoptr (i64 4 to ptr), ptr %1, i64 1)
  call void @mz_to_creg_bit(ptr inttoptr (i64 5 to ptr), ptr %1, i64 2)
  %9 = call i64 @get_int_from_creg(ptr %0)
  %10 = call i64 @get_int_from_creg(ptr %1)
  %11 = add i64 %9, %10
  call void @set_creg_to_int(ptr %5, i64 %11)
  %12 = call i64 @get_int_from_creg(ptr %0)
  %13 = call i64 @get_int_from_creg(ptr %1)
  %14 = and i64 %12, %13
  %15 = call i64 @get_int_from_creg(ptr %0)
  %16 = xor i64 %15, 5
  %17 = or i64 %14, %16
  call void @set_creg_to_int(ptr %8, i64 %17)
  %18 = call i64 @get_int_from_creg(ptr %0)
  %19 = call i64 @get_int_from_creg(ptr %1)
  %20 = mul i64 %18, %19
  %21 = add i64 %20, 1
  call void @set_creg_to_int(ptr %4, i64 %21)
  %22 = call i64 @get_int_from_creg(ptr %8)
  %23 = icmp uge i64 %22, 0
  %24 = call i64 @get_int_from_creg(ptr %8)
  %25 = icmp uge i64 1, %24
  %26 = and i1 %23, %25
  call void @set_creg_bit(ptr %7, i64 1, i1 %26)
  %27 = call i64 @get_int_from_creg(ptr %5)
  %28 = call i64 @get_int_from_creg(ptr %1)
  %29 = sub i64 %27, %28
  call void @set_creg_to_int(ptr %2, i64 %29)
  %30 = call i64 @get_int_from_creg(ptr %4)
  %31 = icmp uge i64 %30, 10
  %32 = call i64 @get_int_from_creg(ptr %4)
  %33 = icmp uge i64 -1, %32
  %34 = and i1 %31, %33
  call void @set_creg_bit(ptr %7, i64 2, i1 %34)
  %35 = call i64 @get_int_from_creg(ptr %5)
  %36 = shl i64 %35, 1
  %37 = lshr i64 %36, 2
  call void @set_creg_to_int(ptr %6, i64 %37)
  %38 = call i64 @get_int_from_creg(ptr %2)
  %39 = icmp eq i64 3, %38
  call void @set_creg_bit(ptr %7, i64 4, i1 %39)
  %40 = call i64 @get_int_from_creg(ptr %5)
  %41 = icmp uge i64 %40, 7
  %42 = call i64 @get_int_from_creg(ptr %5)
  %43 = icmp uge i64 -1, %42
  %44 = and i1 %41, %43
  call void @set_creg_bit(ptr %7, i64 0, i1 %44)
  %45 = call i64 @get_int_from_creg(ptr %6)
  %46 = icmp eq i64 1, %45
  call void @set_creg_bit(ptr %7, i64 3, i1 %46)
  %47 = call i1 @get_creg_bit(ptr %7, i64 0)
  br i1 %47, label %condb0, label %contb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %48 = call i1 @get_creg_bit(ptr %7, i64 1)
  br i1 %48, label %condb1, label %contb1

condb1:                                           ; preds = %contb0
  call void @__quantum__qis__h__body(ptr inttoptr (i64 6 to ptr))
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %49 = call i1 @get_creg_bit(ptr %7, i64 2)
  br i1 %49, label %condb2, label %contb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__z__body(ptr inttoptr (i64 6 to ptr))
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %50 = call i1 @get_creg_bit(ptr %7, i64 3)
  br i1 %50, label %contb3, label %condb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__x__body(ptr inttoptr (i64 6 to ptr))
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  %51 = call i1 @get_creg_bit(ptr %7, i64 4)
  br i1 %51, label %condb4, label %contb4

condb4:                                           ; preds = %contb3
  call void @__quantum__qis__y__body(ptr inttoptr (i64 6 to ptr))
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  call void @mz_to_creg_bit(ptr inttoptr (i64 6 to ptr), ptr %3, i64 0)
  %52 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %52, ptr @0)
  %53 = call i64 @get_int_from_creg(ptr %1)
  call void @__quantum__rt__int_record_output(i64 %53, ptr @1)
  %54 = call i64 @get_int_from_creg(ptr %2)
  call void @__quantum__rt__int_record_output(i64 %54, ptr @2)
  %55 = call i64 @get_int_from_creg(ptr %3)
  call void @__quantum__rt__int_record_output(i64 %55, ptr @3)
  %56 = call i64 @get_int_from_creg(ptr %4)
  call void @__quantum__rt__int_record_output(i64 %56, ptr @4)
  %57 = call i64 @get_int_from_creg(ptr %5)
  call void @__quantum__rt__int_record_output(i64 %57, ptr @5)
  %58 = call i64 @get_int_from_creg(ptr %6)
  call void @__quantum__rt__int_record_output(i64 %58, ptr @6)
  %59 = call i64 @get_int_from_creg(ptr %7)
  call void @__quantum__rt__int_record_output(i64 %59, ptr @7)
  %60 = call i64 @get_int_from_creg(ptr %8)
  call void @__quantum__rt__int_record_output(i64 %60, ptr @8)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare i1 @get_creg_bit(ptr, i64)

declare void @set_creg_bit(ptr, i64, i1)

declare void @set_creg_to_int(ptr, i64)

declare ptr @create_creg(i64)

declare i64 @get_int_from_creg(ptr)

declare void @mz_to_creg_bit(ptr, ptr, i64)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__ry__body(double, ptr)

declare void @__quantum__qis__x__body(ptr)

declare void @__quantum__qis__z__body(ptr)

declare void @__quantum__qis__y__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="7" "required_num_results"="7" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
