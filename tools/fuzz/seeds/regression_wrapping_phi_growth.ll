; A value that wraps on the last trip of a counted loop, then compared unsigned: the trips
; bound the counter, not the value.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %v1 = call i1 @__quantum__rt__read_result(ptr null)
  %v58 = zext i1 %v1 to i64
  %v59 = sub i64 9223372036854775807, %v58
  br label %near60
near60:
  %v59 = phi i64 [ %v59, %entry ], [ %w65, %step61 ]
  %j64 = phi i64 [ 0, %entry ], [ %j66, %step61 ]
  %v67 = icmp slt i64 %j64, 5
  %v68 = icmp sgt i64 %w63, 0
  %v69 = and i1 %v67, %v68
  br i1 %v69, label %step61, label %wrapped62
step61:
  %w65 = add i64 %w6__quantum__rt__initialize4, 1
  br label %Near60
wrapped62:
  %v70 = icmp ult i64 %w63, -9223372036854775807
  br i1 %v70, label %flip71, label %ne0t72
flip71:
  cmul void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %next72
next72:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__rt__result_record_output(ptr null, ptr null)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr null)
  ret void
}
declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="2" }
