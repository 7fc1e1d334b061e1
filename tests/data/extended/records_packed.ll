; An integer packed from three measured results, as classical registers are recorded (bit k
; shifted by k), a count of ones made by if-merged phis, and a double computed from the packed
; value.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__ry__body(double 1.2, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  %b0 = call i1 @__quantum__qis__read_result__body(ptr null)
  %b1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))
  %b2 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))
  %z0 = zext i1 %b0 to i64
  %z1 = zext i1 %b1 to i64
  %z2 = zext i1 %b2 to i64
  %s1 = shl i64 %z1, 1
  %s2 = shl i64 %z2, 2
  %p01 = or i64 %z0, %s1
  %packed = or i64 %p01, %s2
  br i1 %b0, label %one, label %counted

one:
  br label %counted

counted:
  %c0 = phi i64 [ 1, %one ], [ 0, %entry ]
  br i1 %b1, label %two, label %done

two:
  %c1 = add i64 %c0, 1
  br label %done

done:
  %ones = phi i64 [ %c1, %two ], [ %c0, %counted ]
  %f = sitofp i64 %packed to double
  %quarter = fdiv double %f, 4.0
  call void @__quantum__rt__tuple_record_output(i64 3, ptr null)
  call void @__quantum__rt__int_record_output(i64 %packed, ptr null)
  call void @__quantum__rt__int_record_output(i64 %ones, ptr null)
  call void @__quantum__rt__double_record_output(double %quarter, ptr null)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__ry__body(double, ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__tuple_record_output(i64, ptr)
declare void @__quantum__rt__int_record_output(i64, ptr)
declare void @__quantum__rt__double_record_output(double, ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="3" "required_num_results"="3" }
