; The weight of a two-bit syndrome in an integer that starts from the first bit (a zext of
; the read result) and is incremented when the second bit is set. The initial value is only
; known once the first ancilla has been measured.
define void @main() #0 {
entry:
  call void @__quantum__qis__h__body(ptr null)
  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %s0 = call i1 @__quantum__rt__read_result(ptr null)
  %w0 = zext i1 %s0 to i64
  %s1 = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %s1, label %add1, label %done

add1:
  %w1 = add nuw nsw i64 %w0, 1
  br label %done

done:
  %w = phi i64 [ %w0, %entry ], [ %w1, %add1 ]
  %both = icmp eq i64 %w, 2
  br i1 %both, label %fix, label %end

fix:
  call void @__quantum__qis__x__body(ptr inttoptr (i64 2 to ptr))
  br label %end

end:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__rt__int_record_output(i64 %w, ptr null)
  ret void
}

declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__cnot__body(ptr, ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1
declare i1 @__quantum__rt__read_result(ptr)
declare void @__quantum__rt__int_record_output(i64, ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
attributes #1 = { "irreversible" }
