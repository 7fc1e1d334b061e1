; The entry point takes a parameter, %0, so its unlabeled entry block is %1, which a phi names.
%Qubit = type opaque
%Result = type opaque

define void @main(i64 %0) #0 {
  call void @__quantum__qis__h__body(%Qubit* null)
  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)
  %2 = call i1 @__quantum__qis__read_result__body(%Result* null)
  br i1 %2, label %3, label %4

3:
  br label %4

4:
  %5 = phi i64 [ 1, %3 ], [ 0, %1 ]
  %8 = icmp eq i64 %5, 1
  br i1 %8, label %6, label %7

6:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  br label %7

7:
  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  ret void
}

declare void @__quantum__qis__h__body(%Qubit*)
declare void @__quantum__qis__x__body(%Qubit*)
declare void @__quantum__qis__mz__body(%Qubit*, %Result*) #1
declare i1 @__quantum__qis__read_result__body(%Result*)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
attributes #1 = { "irreversible" }
