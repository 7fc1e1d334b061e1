; ModuleID = 'entangle.ll'
; An unoptimized producer: qubit and result pointers come from inttoptr instructions
; (one index round-trips through a stack slot), calls carry debug locations, and one
; call spans two lines.
source_filename = "entangle.py"

%Qubit = type opaque
%Result = type opaque

define void @main() #0 !dbg !5 {
entry:
  %slot = alloca i64, align 8
  store i64 6, i64* %slot, align 8
  %idx = load i64, i64* %slot, align 8
  %q5 = inttoptr i64 5 to %Qubit*, !dbg !8
  %q6 = inttoptr i64 %idx to %Qubit*
  %r3 = inttoptr i64 3 to %Result*
  call void @__quantum__qis__h__body(%Qubit* %q5), !dbg !9
  call void @__quantum__qis__cnot__body(%Qubit* %q5,
                                        %Qubit* %q6), !dbg !10
  call void @__quantum__qis__swap__body(%Qubit* %q6, %Qubit* inttoptr (i64 2 to %Qubit*)), !dbg !11
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* %r3), !dbg !12
  call void @__quantum__qis__mz__body(%Qubit* %q5, %Result* null), !dbg !13
  ret void, !dbg !14
}

declare void @__quantum__qis__h__body(%Qubit*)

declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)

declare void @__quantum__qis__swap__body(%Qubit*, %Qubit*)

declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) #1

attributes #0 = { noinline nounwind optnone "entry_point" "qir_profiles"="base_profile" "required_num_qubits"="7" "required_num_results"="4" }
attributes #1 = { "irreversible" }

!llvm.dbg.cu = !{!0}
!llvm.module.flags = !{!3, !4}

!0 = distinct !DICompileUnit(language: DW_LANG_C, file: !1, producer: "entangle", isOptimized: false, runtimeVersion: 0, emissionKind: FullDebug, enums: !2)
!1 = !DIFile(filename: "entangle.py", directory: "/src")
!2 = !{}
!3 = !{i32 2, !"Debug Info Version", i32 3}
!4 = !{i32 1, !"qir_major_version", i32 1}
!5 = distinct !DISubprogram(name: "main", scope: !1, file: !1, line: 1, type: !6, unit: !0)
!6 = !DISubroutineType(types: !7)
!7 = !{null}
!8 = !DILocation(line: 2, column: 5, scope: !5)
!9 = !DILocation(line: 3, column: 5, scope: !5)
!10 = !DILocation(line: 4, column: 5, scope: !5)
!11 = !DILocation(line: 5, column: 5, scope: !5)
!12 = !DILocation(line: 6, column: 5, scope: !5)
!13 = !DILocation(line: 7, column: 5, scope: !5)
!14 = !DILocation(line: 8, column: 1, scope: !5)
