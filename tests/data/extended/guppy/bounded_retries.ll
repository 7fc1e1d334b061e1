; ModuleID = 'hugr-qir'
source_filename = "hugr-qir"
target datalayout = "e-m:e-i8:8:32-i16:16:32-i64:64-i128:128-n32:64-S128"
target triple = "aarch64-unknown-linux-gnu"

%Qubit = type opaque
%Result = type opaque

@0 = private unnamed_addr constant [7 x i8] c"winner\00", align 1
@1 = private unnamed_addr constant [5 x i8] c"flag\00", align 1
@gen_name = private unnamed_addr constant [8 x i8] c"hugr-qir", section ",qir_generator"
@gen_version = private unnamed_addr constant [5 x i8] c"0.1.2", section ",qir_generator"

define void @__hugr__.guppy_programs.bounded_retries.1() local_unnamed_addr #0 {
cond_469_case_0:
  tail call void @__quantum__rt__initialize(i8* null)
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %0 = tail call i1 @__quantum__rt__read_result(%Result* null)
  br i1 %0, label %cond_469_case_0.3.thread.dup, label %cond_469_case_0.1

cond_469_case_0.3.thread.dup:                     ; preds = %cond_469_case_0
  call void @__quantum__qis__phasedx__body(double 0x400921FB54442D18, double 0.000000e+00, %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  %1 = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br label %__prepare_module_record_output_final

cond_469_case_0.1:                                ; preds = %cond_469_case_0
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 1 to %Qubit*), %Result* nonnull inttoptr (i64 1 to %Result*))
  %2 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 1 to %Result*))
  br i1 %2, label %cond_469_case_0.3.thread.dup842, label %cond_469_case_0.2

cond_469_case_0.3.thread.dup842:                  ; preds = %cond_469_case_0.1
  call void @__quantum__qis__phasedx__body(double 0x400921FB54442D18, double 0.000000e+00, %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  %3 = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br label %__prepare_module_record_output_final

cond_469_case_0.2:                                ; preds = %cond_469_case_0.1
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 2 to %Qubit*), %Result* nonnull inttoptr (i64 2 to %Result*))
  %4 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 2 to %Result*))
  %"0398.sroa.18.0.2" = select i1 %4, i64 2, i64 0
  %5 = zext i1 %4 to i64
  %"123_4.0.2" = or i64 %"0398.sroa.18.0.2", %5
  br i1 %4, label %cond_469_case_0.3.thread.dup843, label %cond_469_case_0.3

cond_469_case_0.3.thread.dup843:                  ; preds = %cond_469_case_0.2
  call void @__quantum__qis__phasedx__body(double 0x400921FB54442D18, double 0.000000e+00, %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  %6 = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br label %__prepare_module_record_output_final

cond_469_case_0.3:                                ; preds = %cond_469_case_0.2
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__phasedx__body(double 0x3FF921FB54442D18, double 0xBFF921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 0x400921FB54442D18, %Qubit* nonnull inttoptr (i64 4 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* nonnull inttoptr (i64 4 to %Qubit*), %Result* nonnull inttoptr (i64 3 to %Result*))
  %7 = tail call i1 @__quantum__rt__read_result(%Result* nonnull inttoptr (i64 3 to %Result*))
  %"0398.sroa.18.0.3" = select i1 %7, i64 3, i64 %"123_4.0.2"
  %8 = zext i1 %7 to i64
  %"123_4.0.3" = add nuw nsw i64 %"0398.sroa.18.0.3", %8
  br i1 %7, label %cond_469_case_0.3.thread.dup844, label %cond_340_case_1.dup

cond_469_case_0.3.thread.dup844:                  ; preds = %cond_469_case_0.3
  call void @__quantum__qis__phasedx__body(double 0x400921FB54442D18, double 0.000000e+00, %Qubit* inttoptr (i64 5 to %Qubit*))
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 5 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  %9 = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br label %__prepare_module_record_output_final

cond_340_case_1.dup:                              ; preds = %cond_469_case_0.3
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 5 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  %10 = call i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br label %__prepare_module_record_output_final

__prepare_module_record_output_final:             ; preds = %cond_469_case_0.3.thread.dup844, %cond_469_case_0.3.thread.dup843, %cond_469_case_0.3.thread.dup842, %cond_469_case_0.3.thread.dup, %cond_340_case_1.dup
  %phi.edge = phi i1 [ %10, %cond_340_case_1.dup ], [ %1, %cond_469_case_0.3.thread.dup ], [ %3, %cond_469_case_0.3.thread.dup842 ], [ %6, %cond_469_case_0.3.thread.dup843 ], [ %9, %cond_469_case_0.3.thread.dup844 ]
  %phi.edge850 = phi i64 [ %"123_4.0.3", %cond_340_case_1.dup ], [ 1, %cond_469_case_0.3.thread.dup ], [ 2, %cond_469_case_0.3.thread.dup842 ], [ %"123_4.0.2", %cond_469_case_0.3.thread.dup843 ], [ %"123_4.0.3", %cond_469_case_0.3.thread.dup844 ]
  call void @__quantum__rt__int_record_output(i64 %phi.edge850, i8* getelementptr inbounds ([7 x i8], [7 x i8]* @0, i64 0, i64 0))
  call void @__quantum__rt__bool_record_output(i1 %phi.edge, i8* getelementptr inbounds ([5 x i8], [5 x i8]* @1, i64 0, i64 0))
  ret void
}

declare void @__quantum__qis__phasedx__body(double, double, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__rz__body(double, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) local_unnamed_addr #1

declare i1 @__quantum__rt__read_result(%Result* readonly) local_unnamed_addr

declare void @__quantum__rt__int_record_output(i64, i8*) local_unnamed_addr

declare void @__quantum__rt__bool_record_output(i1, i8*) local_unnamed_addr

declare void @__quantum__rt__initialize(i8*) local_unnamed_addr

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="6" "required_num_results"="5" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
