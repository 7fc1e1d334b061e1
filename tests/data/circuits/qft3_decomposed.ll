; Three-qubit quantum Fourier transform with every controlled phase decomposed into
; rz rotations and CNOTs, followed by the final qubit reversal.
source_filename = "qft3"
target datalayout = "e-m:e-p270:32:32-p271:32:32-p272:64:64-i64:64-f80:128-n8:16:32:64-S128"
target triple = "x86_64-unknown-linux-gnu"

%Qubit = type opaque
%Result = type opaque

define void @qft3() local_unnamed_addr #0 {
entry:
  tail call void @__quantum__rt__initialize(i8* null)
  tail call void @__quantum__qis__h__body(%Qubit* null)
  ; controlled phase pi/2 from qubit 1 onto qubit 0
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* null)
  tail call void @__quantum__qis__rz__body(double 0xBFE921FB54442D18, %Qubit* null)
  tail call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* null)
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* null)
  ; controlled phase pi/4 from qubit 2 onto qubit 0
  tail call void @__quantum__qis__rz__body(double 0.39269908169872414, %Qubit* inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* null)
  tail call void @__quantum__qis__rz__body(double -3.9269908169872414E-1, %Qubit* null)
  tail call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* null)
  tail call void @__quantum__qis__rz__body(double 3.926990816987241e-01, %Qubit* null)
  tail call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  ; controlled phase pi/2 from qubit 2 onto qubit 1
  tail call void @__quantum__qis__rz__body(double 0x3FE921FB54442D18, %Qubit* inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double -0x3FE921FB54442D18, %Qubit* inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__rz__body(double 7.853981633974483e-1, %Qubit* inttoptr (i64 1 to %Qubit*))
  tail call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__swap__body(%Qubit* null, %Qubit* inttoptr (i64 2 to %Qubit*))
  tail call void @__quantum__qis__mz__body(%Qubit* null, %Result* writeonly null)
  tail call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* writeonly inttoptr (i64 1 to %Result*))
  tail call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* writeonly inttoptr (i64 2 to %Result*))
  tail call void @__quantum__rt__array_record_output(i64 3, i8* null)
  tail call void @__quantum__rt__result_record_output(%Result* null, i8* null)
  tail call void @__quantum__rt__result_record_output(%Result* nonnull inttoptr (i64 1 to %Result*), i8* null)
  tail call void @__quantum__rt__result_record_output(%Result* nonnull inttoptr (i64 2 to %Result*), i8* null)
  ret void
}

declare void @__quantum__rt__initialize(i8*) local_unnamed_addr

declare void @__quantum__qis__h__body(%Qubit*) local_unnamed_addr

declare void @__quantum__qis__rz__body(double, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__swap__body(%Qubit*, %Qubit*) local_unnamed_addr

declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) local_unnamed_addr #1

declare void @__quantum__rt__array_record_output(i64, i8*) local_unnamed_addr

declare void @__quantum__rt__result_record_output(%Result*, i8*) local_unnamed_addr

attributes #0 = { "entry_point" "qir_profiles"="base_profile" "output_labeling_schema"="schema_id" "required_num_qubits"="3" "required_num_results"="3" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
