; A count that a phi updates in a loop, read from before the update: the message names the
; phi that wrote the variable, however the body was lowered.
define i64 @main() #0 {
block_0:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__m__body(ptr null, ptr null)
  %var_3 = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %var_3, label %block_1, label %block_2
block_1:
  br label %block_2
block_2:
  %var_11 = phi i64 [0, %block_0], [1, %block_1]
  call void @__quantum__qis__m__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %var_5 = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %var_5, label %block_3, label %block_4
block_3:
  %var_7 = add i64 %var_11, 1
  br label %block_4
block_4:
  %var_12 = phi i64 [%var_11, %block_2], [%var_7, %block_3]
  %var_8 = icmp eq i64 %var_12, 1
  br i1 %var_8, label %block_5, label %block_6
block_5:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %block_3
block_6:
  call void @__quantum__qis__m__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  ret i64 0
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__m__body(ptr, ptr) #1
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="3" "required_num_results"="3" }
attributes #1 = { "irreversible" }
