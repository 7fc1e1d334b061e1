; ModuleID = 'hugr-qir'
source_filename = "hugr-qir"
target datalayout = "e-m:e-i8:8:32-i16:16:32-i64:64-i128:128-n32:64-S128"
target triple = "aarch64-unknown-linux-gnu"

%Qubit = type opaque
%Result = type opaque

@0 = private unnamed_addr constant [6 x i8] c"turns\00", align 1
@1 = private unnamed_addr constant [7 x i8] c"target\00", align 1
@gen_name = private unnamed_addr constant [8 x i8] c"hugr-qir", section ",qir_generator"
@gen_version = private unnamed_addr constant [5 x i8] c"0.1.2", section ",qir_generator"

define void @__hugr__.guppy_programs.angle_from_counts.1() local_unnamed_addr #0 {
alloca_block:
  tail call void @__quantum__rt__initialize(i8* null)
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %0 = tail call i1 @__quantum__rt__read_result(%Result* null)
  %1 = zext i1 %0 to i64
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 1 to %Qubit*), %Result* nonnull inttoptr (i64 1 to %Result*))
  %2 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 1 to %Result*))
  %3 = zext i1 %2 to i64
  %"112_3.0.1" = add nuw nsw i64 %3, %1
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 2 to %Qubit*), %Result* nonnull inttoptr (i64 2 to %Result*))
  %4 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 2 to %Result*))
  %5 = zext i1 %4 to i64
  %"112_3.0.2" = add nuw nsw i64 %"112_3.0.1", %5
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 3 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 3 to %Qubit*), %Result* nonnull inttoptr (i64 3 to %Result*))
  %6 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 3 to %Result*))
  %7 = zext i1 %6 to i64
  %"112_3.0.3" = add nuw nsw i64 %"112_3.0.2", %7
  %8 = mul nuw nsw i64 %"112_3.0.3", %"112_3.0.3"
  %9 = sitofp i64 %8 to double
  %10 = fmul double %9, 5.000000e-02
  %11 = add nuw nsw i64 %"112_3.0.3", 1
  %12 = sitofp i64 %11 to double
  %13 = fdiv double 1.000000e+00, %12
  %14 = fadd double %13, %10
  %15 = fcmp oeq double %14, 0x7FF0000000000000
  %16 = fcmp oeq double %14, 0xFFF0000000000000
  %17 = fcmp uno double %14, 0.000000e+00
  %18 = or i1 %15, %16
  %19 = or i1 %17, %18
  br i1 %19, label %bb, label %cond_256_case_1

bb:                                               ; preds = %alloca_block
  tail call void @abort()
  unreachable

cond_256_case_1:                                  ; preds = %alloca_block
  %20 = fmul double %14, 0x400921FB54442D18
  tail call void @__quantum__qis__phasedx__body(double %20, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 4 to %Qubit*), %Result* nonnull inttoptr (i64 4 to %Result*))
  %21 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 4 to %Result*))
  tail call void @__quantum__rt__double_record_output(double %14, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @0, i64 0, i64 0))
  tail call void @__quantum__rt__bool_record_output(i1 %21, i8* getelementptr inbounds ([7 x i8], [7 x i8]* @1, i64 0, i64 0))
  ret void
}

declare void @abort() local_unnamed_addr

declare void @__quantum__qis__phasedx__body(double, double, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) local_unnamed_addr #1

declare i1 @__quantum__rt__read_result(%Result* readonly) local_unnamed_addr

declare void @__quantum__rt__double_record_output(double, i8*) local_unnamed_addr

declare void @__quantum__rt__bool_record_output(i1, i8*) local_unnamed_addr

declare void @__quantum__rt__initialize(i8*) local_unnamed_addr

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="5" "required_num_results"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
