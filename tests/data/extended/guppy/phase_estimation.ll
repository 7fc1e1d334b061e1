; ModuleID = 'hugr-qir'
source_filename = "hugr-qir"
target datalayout = "e-m:e-i8:8:32-i16:16:32-i64:64-i128:128-n32:64-S128"
target triple = "aarch64-unknown-linux-gnu"

%Qubit = type opaque
%Result = type opaque

@0 = private unnamed_addr constant [9 x i8] c"estimate\00", align 1
@1 = private unnamed_addr constant [6 x i8] c"phase\00", align 1
@gen_name = private unnamed_addr constant [8 x i8] c"hugr-qir", section ",qir_generator"
@gen_version = private unnamed_addr constant [5 x i8] c"0.1.2", section ",qir_generator"

define void @__hugr__.guppy_programs.phase_estimation.1() local_unnamed_addr #0 {
alloca_block:
  tail call void @__quantum__rt__initialize(i8* null)
  tail call void @__quantum__qis__phasedx__body(double 0x400921FB54442D18, double 0.000000e+00, %Qubit* null)
  br label %bb

bb:                                               ; preds = %alloca_block, %finish
  %0 = phi i64 [ 1, %alloca_block ], [ %38, %finish ]
  %"22_3.0734" = phi i64 [ 0, %alloca_block ], [ %"143_3.0", %finish ]
  %"22_4.0733" = phi i64 [ 8, %alloca_block ], [ %quotient.sink, %finish ]
  %"22_5.0732" = phi i64 [ 1, %alloca_block ], [ %30, %finish ]
  %1 = sitofp i64 %"22_5.0732" to double
  %2 = sitofp i64 %"22_3.0734" to double
  %3 = sitofp i64 %"22_4.0733" to double
  %4 = fmul double %3, 3.125000e-01
  %5 = fcmp une double %4, 0x7FF0000000000000
  %6 = fcmp une double %4, 0xFFF0000000000000
  %7 = and i1 %5, %6
  br i1 %7, label %bb1, label %bb0

cond_exit_70:                                     ; preds = %finish
  %8 = sitofp i64 %"143_3.0" to double
  %9 = fmul double %8, 6.250000e-02
  tail call void @__quantum__rt__int_record_output(i64 %"143_3.0", i8* getelementptr inbounds ([9 x i8], [9 x i8]* @0, i64 0, i64 0))
  tail call void @__quantum__rt__double_record_output(double %9, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @1, i64 0, i64 0))
  ret void

bb0:                                              ; preds = %bb
  tail call void @abort()
  unreachable

bb1:                                              ; preds = %bb
  %10 = fmul double %4, 2.000000e+00
  %11 = fcmp oeq double %10, 0x7FF0000000000000
  %12 = fcmp oeq double %10, 0xFFF0000000000000
  %13 = fcmp uno double %10, 0.000000e+00
  %14 = or i1 %11, %12
  %15 = or i1 %13, %14
  br i1 %15, label %bb2, label %cond_exit_85

bb2:                                              ; preds = %bb1
  tail call void @abort()
  unreachable

cond_exit_85:                                     ; preds = %bb1
  %16 = fneg double %2
  %17 = fdiv double %16, %1
  %18 = fcmp oeq double %17, 0x7FF0000000000000
  %19 = fcmp oeq double %17, 0xFFF0000000000000
  %20 = fcmp uno double %17, 0.000000e+00
  %21 = or i1 %18, %19
  %22 = or i1 %20, %21
  br i1 %22, label %bb3, label %cond_325_case_1

bb3:                                              ; preds = %cond_exit_85
  tail call void @abort()
  unreachable

cond_325_case_1:                                  ; preds = %cond_exit_85
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  %23 = fmul double %10, 0x400921FB54442D18
  %24 = fmul double %23, 5.000000e-01
  %25 = fneg double %24
  tail call void @__quantum__qis__rzz__body(double %25, %Qubit* nonnull inttoptr (i64 1 to %Qubit*), %Qubit* null)
  tail call void @__quantum__qis__rz__body(double %24, %Qubit* null)
  %26 = fmul double %4, 0x400921FB54442D18
  tail call void @__quantum__qis__rz__body(double %26, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  %27 = fmul double %17, 0x400921FB54442D18
  tail call void @__quantum__qis__rz__body(double %27, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 1 to %Qubit*), %Result* null)
  %28 = tail call i1 @__quantum__rt__read_result(%Result* null)
  %29 = select i1 %28, i64 %"22_5.0732", i64 0
  %"143_3.0" = add i64 %29, %"22_3.0734"
  %30 = shl i64 %"22_5.0732", 1
  %"22_4.0733.frozen" = freeze i64 %"22_4.0733"
  %quotient = sdiv i64 %"22_4.0733.frozen", 2
  %.neg = mul i64 %quotient, -2
  %remainder.decomposed = add i64 %.neg, %"22_4.0733.frozen"
  %cond = icmp slt i64 %"22_4.0733.frozen", 0
  br i1 %cond, label %negative_smoldiv, label %finish

negative_smoldiv:                                 ; preds = %cond_325_case_1
  %31 = insertvalue { i64, i64 } poison, i64 %quotient, 0
  %32 = insertvalue { i64, i64 } %31, i64 0, 1
  %33 = add nsw i64 %quotient, -1
  %34 = add nsw i64 %remainder.decomposed, 2
  %35 = insertvalue { i64, i64 } poison, i64 %33, 0
  %36 = insertvalue { i64, i64 } %35, i64 %34, 1
  %is_rem_0 = icmp eq i64 %remainder.decomposed, 0
  %37 = select i1 %is_rem_0, { i64, i64 } %32, { i64, i64 } %36
  %.elt = extractvalue { i64, i64 } %37, 0
  br label %finish

finish:                                           ; preds = %cond_325_case_1, %negative_smoldiv
  %quotient.sink = phi i64 [ %.elt, %negative_smoldiv ], [ %quotient, %cond_325_case_1 ]
  %38 = add nuw nsw i64 %0, 1
  %exitcond = icmp eq i64 %38, 5
  br i1 %exitcond, label %cond_exit_70, label %bb
}

declare void @abort() local_unnamed_addr

declare void @__quantum__qis__phasedx__body(double, double, %Qubit*) local_unnamed_addr

declare void @__quantum__rt__int_record_output(i64, i8*) local_unnamed_addr

declare void @__quantum__rt__double_record_output(double, i8*) local_unnamed_addr

declare void @__quantum__qis__rz__body(double, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__rzz__body(double, %Qubit*, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) local_unnamed_addr #1

declare i1 @__quantum__rt__read_result(%Result* readonly) local_unnamed_addr

declare void @__quantum__rt__initialize(i8*) local_unnamed_addr

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="1" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
