; ModuleID = 'hugr-qir'
source_filename = "hugr-qir"
target datalayout = "e-m:e-i8:8:32-i16:16:32-i64:64-i128:128-n32:64-S128"
target triple = "aarch64-unknown-linux-gnu"

%Qubit = type opaque
%Result = type opaque

@0 = private unnamed_addr constant [7 x i8] c"packed\00", align 1
@1 = private unnamed_addr constant [5 x i8] c"ones\00", align 1
@2 = private unnamed_addr constant [7 x i8] c"parity\00", align 1
@3 = private unnamed_addr constant [4 x i8] c"out\00", align 1
@gen_name = private unnamed_addr constant [8 x i8] c"hugr-qir", section ",qir_generator"
@gen_version = private unnamed_addr constant [5 x i8] c"0.1.2", section ",qir_generator"

define void @__hugr__.guppy_programs.integer_work.1() local_unnamed_addr #0 {
cond_717_case_1.4:
  tail call void @__quantum__rt__initialize(i8* null)
  tail call void @__quantum__qis__phasedx__body(double 0x3FD41B2F769CF0E0, double 0x3FF921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %0 = tail call i1 @__quantum__rt__read_result(%Result* null)
  tail call void @__quantum__qis__phasedx__body(double 0x3FE41B2F769CF0E0, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 1 to %Qubit*), %Result* nonnull inttoptr (i64 1 to %Result*))
  %1 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 1 to %Result*))
  %"678_0.0.1" = zext i1 %1 to i64
  tail call void @__quantum__qis__phasedx__body(double 0x3FEE28C731EB6951, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 2 to %Qubit*), %Result* nonnull inttoptr (i64 2 to %Result*))
  %2 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 2 to %Result*))
  tail call void @__quantum__qis__phasedx__body(double 0x3FF41B2F769CF0E0, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 3 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 3 to %Qubit*), %Result* nonnull inttoptr (i64 3 to %Result*))
  %3 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 3 to %Result*))
  %"678_0.0.3" = zext i1 %3 to i64
  %"678_0.0" = zext i1 %0 to i64
  %"109_4.0.1" = add nuw nsw i64 %"678_0.0.1", %"678_0.0"
  %"678_0.0.2" = zext i1 %2 to i64
  %"109_4.0.2" = add nuw nsw i64 %"109_4.0.1", %"678_0.0.2"
  %"109_4.0.3" = add nuw nsw i64 %"109_4.0.2", %"678_0.0.3"
  %4 = select i1 %0, i64 2, i64 0
  %5 = or i64 %4, %"678_0.0.1"
  %6 = shl nuw nsw i64 %5, 2
  %7 = select i1 %2, i64 2, i64 0
  %8 = or i64 %7, %6
  %9 = or i64 %8, %"678_0.0.3"
  %10 = shl nuw nsw i64 %9, 1
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0x3FF921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 4 to %Qubit*), %Result* nonnull inttoptr (i64 4 to %Result*))
  %11 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 4 to %Result*))
  %"678_0.0.4" = zext i1 %11 to i64
  %12 = or i64 %10, %"678_0.0.4"
  %"109_4.0.4" = add nuw nsw i64 %"109_4.0.3", %"678_0.0.4"
  %.frozen = freeze i64 %12
  %quotient = sdiv i64 %.frozen, 3
  %.neg = mul nsw i64 %quotient, -3
  %remainder.decomposed = add i64 %.neg, %.frozen
  %cond = icmp slt i64 %.frozen, 0
  br i1 %cond, label %negative_smoldiv, label %finish

negative_smoldiv:                                 ; preds = %cond_717_case_1.4
  %13 = insertvalue { i64, i64 } poison, i64 %quotient, 0
  %14 = insertvalue { i64, i64 } %13, i64 0, 1
  %15 = add nsw i64 %quotient, -1
  %16 = add nsw i64 %remainder.decomposed, 3
  %17 = insertvalue { i64, i64 } poison, i64 %15, 0
  %18 = insertvalue { i64, i64 } %17, i64 %16, 1
  %is_rem_0 = icmp eq i64 %remainder.decomposed, 0
  %19 = select i1 %is_rem_0, { i64, i64 } %14, { i64, i64 } %18
  %.elt963 = extractvalue { i64, i64 } %19, 1
  br label %finish

finish:                                           ; preds = %cond_717_case_1.4, %negative_smoldiv
  %remainder.sink = phi i64 [ %.elt963, %negative_smoldiv ], [ %remainder.decomposed, %cond_717_case_1.4 ]
  %20 = icmp eq i64 %remainder.sink, 1
  br i1 %20, label %bb, label %cond_414_case_0

cond_414_case_0:                                  ; preds = %finish
  %21 = icmp sgt i64 %.frozen, 19
  %22 = icmp ult i64 %"109_4.0.4", 4
  %or.cond = select i1 %21, i1 %22, i1 false
  br i1 %or.cond, label %bb0, label %cond_exit_441

bb:                                               ; preds = %finish
  tail call void @__quantum__qis__phasedx__body(double 0x400921FB54442D18, double 0.000000e+00, %Qubit* nonnull inttoptr (i64 5 to %Qubit*))
  br label %cond_exit_441

bb0:                                              ; preds = %cond_414_case_0
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 5 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 5 to %Qubit*))
  br label %cond_exit_441

cond_exit_441:                                    ; preds = %cond_414_case_0, %bb0, %bb
  %23 = xor i1 %0, %1
  %24 = xor i1 %23, %2
  %25 = xor i1 %24, %3
  %26 = xor i1 %25, %11
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 5 to %Qubit*), %Result* nonnull inttoptr (i64 5 to %Result*))
  %27 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 5 to %Result*))
  tail call void @__quantum__rt__int_record_output(i64 %.frozen, i8* getelementptr inbounds ([7 x i8], [7 x i8]* @0, i64 0, i64 0))
  tail call void @__quantum__rt__int_record_output(i64 %"109_4.0.4", i8* getelementptr inbounds ([5 x i8], [5 x i8]* @1, i64 0, i64 0))
  tail call void @__quantum__rt__bool_record_output(i1 %26, i8* getelementptr inbounds ([7 x i8], [7 x i8]* @2, i64 0, i64 0))
  tail call void @__quantum__rt__bool_record_output(i1 %27, i8* getelementptr inbounds ([4 x i8], [4 x i8]* @3, i64 0, i64 0))
  ret void
}

declare void @__quantum__qis__phasedx__body(double, double, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) local_unnamed_addr #1

declare i1 @__quantum__rt__read_result(%Result* readonly) local_unnamed_addr

declare void @__quantum__qis__rz__body(double, %Qubit*) local_unnamed_addr

declare void @__quantum__rt__int_record_output(i64, i8*) local_unnamed_addr

declare void @__quantum__rt__bool_record_output(i1, i8*) local_unnamed_addr

declare void @__quantum__rt__initialize(i8*) local_unnamed_addr

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="6" "required_num_results"="6" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
