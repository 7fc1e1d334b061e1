; ModuleID = 'repeat_until_success'
source_filename = "repeat_until_success"

@0 = internal constant [5 x i8] c"flag\00"
@1 = internal constant [4 x i8] c"out\00"
@2 = internal constant [6 x i8] c"tries\00"

define void @main() #0 {
entry:
  br i1 false, label %contb0, label %condb0

condb0:                                           ; preds = %entry
  call void @__quantum__qis__h__body(ptr null)
  br label %contb0

contb0:                                           ; preds = %condb0, %entry
  br i1 false, label %contb1, label %condb1

condb1:                                           ; preds = %contb0
  br label %contb1

contb1:                                           ; preds = %condb1, %contb0
  %0 = phi i64 [ 1, %condb1 ], [ 0, %contb0 ]
  br i1 false, label %contb2, label %condb2

condb2:                                           ; preds = %contb1
  call void @__quantum__qis__t__body(ptr null)
  br label %contb2

contb2:                                           ; preds = %condb2, %contb1
  br i1 false, label %contb3, label %condb3

condb3:                                           ; preds = %contb2
  call void @__quantum__qis__h__body(ptr null)
  br label %contb3

contb3:                                           ; preds = %condb3, %contb2
  br i1 false, label %contb4, label %condb4

condb4:                                           ; preds = %contb3
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %1 = call i1 @__quantum__qis__read_result__body(ptr null)
  %2 = zext i1 %1 to i64
  %3 = mul i64 %2, 1
  %4 = or i64 %3, 0
  %5 = sub i64 1, %2
  %6 = mul i64 %5, 1
  %7 = xor i64 9223372036854775807, %6
  %8 = and i64 %7, %4
  br label %contb4

contb4:                                           ; preds = %condb4, %contb3
  %9 = phi i64 [ %8, %condb4 ], [ 0, %contb3 ]
  call void @__quantum__qis__reset__body(ptr null)
  %10 = and i64 1, %9
  %11 = icmp eq i64 1, %10
  br i1 %11, label %contb5, label %condb5

condb5:                                           ; preds = %contb4
  %12 = add i64 %0, 1
  br label %contb5

contb5:                                           ; preds = %condb5, %contb4
  %13 = phi i64 [ %12, %condb5 ], [ %0, %contb4 ]
  %14 = and i64 1, %9
  %15 = icmp eq i64 1, %14
  br i1 %15, label %contb6, label %condb6

condb6:                                           ; preds = %contb5
  call void @__quantum__qis__h__body(ptr null)
  br label %contb6

contb6:                                           ; preds = %condb6, %contb5
  %16 = and i64 1, %9
  %17 = icmp eq i64 1, %16
  br i1 %17, label %contb7, label %condb7

condb7:                                           ; preds = %contb6
  call void @__quantum__qis__t__body(ptr null)
  br label %contb7

contb7:                                           ; preds = %condb7, %contb6
  %18 = and i64 1, %9
  %19 = icmp eq i64 1, %18
  br i1 %19, label %contb8, label %condb8

condb8:                                           ; preds = %contb7
  call void @__quantum__qis__h__body(ptr null)
  br label %contb8

contb8:                                           ; preds = %condb8, %contb7
  %20 = and i64 1, %9
  %21 = icmp eq i64 1, %20
  br i1 %21, label %contb9, label %condb9

condb9:                                           ; preds = %contb8
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %22 = call i1 @__quantum__qis__read_result__body(ptr null)
  %23 = zext i1 %22 to i64
  %24 = mul i64 %23, 1
  %25 = or i64 %24, %9
  %26 = sub i64 1, %23
  %27 = mul i64 %26, 1
  %28 = xor i64 9223372036854775807, %27
  %29 = and i64 %28, %25
  br label %contb9

contb9:                                           ; preds = %condb9, %contb8
  %30 = phi i64 [ %29, %condb9 ], [ %9, %contb8 ]
  call void @__quantum__qis__reset__body(ptr null)
  %31 = and i64 1, %30
  %32 = icmp eq i64 1, %31
  br i1 %32, label %contb10, label %condb10

condb10:                                          ; preds = %contb9
  %33 = add i64 %13, 1
  br label %contb10

contb10:                                          ; preds = %condb10, %contb9
  %34 = phi i64 [ %33, %condb10 ], [ %13, %contb9 ]
  %35 = and i64 1, %30
  %36 = icmp eq i64 1, %35
  br i1 %36, label %contb11, label %condb11

condb11:                                          ; preds = %contb10
  call void @__quantum__qis__h__body(ptr null)
  br label %contb11

contb11:                                          ; preds = %condb11, %contb10
  %37 = and i64 1, %30
  %38 = icmp eq i64 1, %37
  br i1 %38, label %contb12, label %condb12

condb12:                                          ; preds = %contb11
  call void @__quantum__qis__t__body(ptr null)
  br label %contb12

contb12:                                          ; preds = %condb12, %contb11
  %39 = and i64 1, %30
  %40 = icmp eq i64 1, %39
  br i1 %40, label %contb13, label %condb13

condb13:                                          ; preds = %contb12
  call void @__quantum__qis__h__body(ptr null)
  br label %contb13

contb13:                                          ; preds = %condb13, %contb12
  %41 = and i64 1, %30
  %42 = icmp eq i64 1, %41
  br i1 %42, label %contb14, label %condb14

condb14:                                          ; preds = %contb13
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %43 = call i1 @__quantum__qis__read_result__body(ptr null)
  %44 = zext i1 %43 to i64
  %45 = mul i64 %44, 1
  %46 = or i64 %45, %30
  %47 = sub i64 1, %44
  %48 = mul i64 %47, 1
  %49 = xor i64 9223372036854775807, %48
  %50 = and i64 %49, %46
  br label %contb14

contb14:                                          ; preds = %condb14, %contb13
  %51 = phi i64 [ %50, %condb14 ], [ %30, %contb13 ]
  call void @__quantum__qis__reset__body(ptr null)
  %52 = and i64 1, %51
  %53 = icmp eq i64 1, %52
  br i1 %53, label %condb15, label %contb15

condb15:                                          ; preds = %contb14
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %contb15

contb15:                                          ; preds = %condb15, %contb14
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %54 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %55 = zext i1 %54 to i64
  %56 = mul i64 %55, 1
  %57 = or i64 %56, 0
  %58 = sub i64 1, %55
  %59 = mul i64 %58, 1
  %60 = xor i64 9223372036854775807, %59
  %61 = and i64 %60, %57
  call void @__quantum__rt__int_record_output(i64 %51, ptr @0)
  call void @__quantum__rt__int_record_output(i64 %61, ptr @1)
  call void @__quantum__rt__int_record_output(i64 %34, ptr @2)
  ret void
}

declare i1 @__quantum__qis__read_result__body(ptr)

declare void @__quantum__rt__int_record_output(i64, ptr)

declare void @__quantum__qis__h__body(ptr)

declare void @__quantum__qis__t__body(ptr)

declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1

declare void @__quantum__qis__reset__body(ptr)

declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="custom" "required_num_qubits"="2" "required_num_results"="2" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
