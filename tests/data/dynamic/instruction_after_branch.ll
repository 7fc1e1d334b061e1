; A line after a block's branch is not part of the block: nothing after a terminator is read,
; in either mode (the extended mode's clean-ups, which bypass the block `skip`, see the branch
; as the block's end too).
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %0 = call i1 @__quantum__qis__read_result__body(ptr null)
  br i1 %0, label %then, label %skip
  call void @__quantum__qis__x__body(ptr null)
then:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 1 to ptr))
  br label %done
skip:
  br label %done
done:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1
declare i1 @__quantum__qis__read_result__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" "required_num_qubits"="2" "required_num_results"="2" }
attributes #1 = { "irreversible" }
