; ModuleID = 'repeat_until_success'
source_filename = "repeat_until_success"

@0 = internal constant [5 x i8] c"flag\00"
@1 = internal constant [4 x i8] c"out\00"
@2 = internal constant [6 x i8] c"tries\00"

define void @main() #0 {
entry:
  %0 = call ptr @create_creg(i64 1)
  %1 = call ptr @create_creg(i64 1)
  %2 = call ptr @create_creg(i64 3)
  %3 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %3, label %contb0, label %condb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__h__body(ptr null)
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  %4 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %4, label %contb1, label %condb1

condb1:                                           ; preds = %contb0
  %5 = call i64 @get_int_from_creg(ptr %2)
  %6 = add i64 %5, 1
  call void @set_creg_to_int(ptr %2, i64 %6)
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %7 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %7, label %contb2, label %condb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__t__body(ptr null)
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  %8 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %8, label %contb3, label %condb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__h__body(ptr null)
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  %9 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %9, label %contb4, label %condb4

condb4:                                           ; preds = %contb3
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 0)
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  call void @__quantum__qis__reset__body(ptr null)
  %10 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %10, label %contb5, label %condb5

condb5:                                           ; preds = %contb4
  %11 = call i64 @get_int_from_creg(ptr %2)
  %12 = add i64 %11, 1
  call void @set_creg_to_int(ptr %2, i64 %12)
  br label %contb5

contb5:                                           ; preds = %condb5, %contb4
  %13 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %13, label %contb6, label %condb6

condb6:                                           ; preds = %contb5
  call void @__quantum__qis__h__body(ptr null)
  br label %contb6

contb6:                                           ; preds = %condb6, %contb5
  %14 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %14, label %contb7, label %condb7

condb7:                                           ; preds = %contb6
  call void @__quantum__qis__t__body(ptr null)
  br label %contb7

contb7:                                           ; preds = %condb7, %contb6
  %15 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %15, label %contb8, label %condb8

condb8:                                           ; preds = %contb7
  call void @__quantum__qis__h__body(ptr null)
  br label %contb8

contb8:                                           ; preds = %condb8, %contb7
  %16 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %16, label %contb9, label %condb9

condb9:                                           ; preds = %contb8
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 0)
  br label %contb9

contb9:                                           ; preds = %condb9, %contb8
  call void @__quantum__qis__reset__body(ptr null)
  %17 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %17, label %contb10, label %condb10

condb10:                                          ; preds = %contb9
  %18 = call i64 @get_int_from_creg(ptr %2)
  %19 = add i64 %18, 1
  call void @set_creg_to_int(ptr %2, i64 %19)
  br label %contb10

contb10:                                          ; preds = %condb10, %contb9
  %20 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %20, label %contb11, label %condb11

condb11:                                          ; preds = %contb10
  call void @__quantum__qis__h__body(ptr null)
  br label %contb11

contb11:                                          ; preds = %condb11, %contb10
  %21 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %21, label %contb12, label %condb12

condb12:                                          ; preds = %contb11
  call void @__quantum__qis__t__body(ptr null)
  br label %contb12

contb12:                                          ; preds = %condb12, %contb11
  %22 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %22, label %contb13, label %condb13

condb13:                                          ; preds = %contb12
  call void @__quantum__qis__h__body(ptr null)
  br label %contb13

contb13:                                          ; preds = %condb13, %contb12
  %23 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %23, label %contb14, label %condb14

condb14:                                          ; preds = %contb13
  call void @mz_to_creg_bit(ptr null, ptr %0, i64 0)
  br label %contb14

contb14:                                          ; preds = %condb14, %contb13
  call void @__quantum__qis__reset__body(ptr null)
  %24 = call i1 @get_creg_bit(ptr %0, i64 0)
  br i1 %24, label %condb15, label %contb15

condb15:                                          ; preds = %contb14
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %contb15

contb15:                                          ; preds = %condb15, %contb14
  call void @mz_to_creg_bit(ptr inttoptr (i64 1 to ptr), ptr %1, i64 0)
  %25 = call i64 @get_int_from_creg(ptr %0)
  call void @__quantum__rt__int_record_output(i64 %25, ptr @0)
  %26 = call i64 @get_int_from_creg(ptr %1)
  call void @__quantum__rt__int_record_output(i64 %26, ptr @1)
  %27 = call i64 @get_int_from_creg(ptr %2)
  call void @__quantum__rt__int_record_output(i64 %27, ptr @2)
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

declare void @__quantum__qis__t__body(ptr)

declare void @__quantum__qis__reset__body(ptr)

declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="2" "required_num_results"="2" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
