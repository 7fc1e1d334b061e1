; Mutual recursion cannot be inlined.
define void @main() #0 {
entry:
  call void @round(ptr null)
  ret void
}

define internal void @round(ptr %q) {
entry:
  call void @__quantum__qis__mz__body(ptr %q, ptr null)
  %again = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %again, label %retry, label %done
retry:
  call void @correct(ptr %q)
  br label %done
done:
  ret void
}

define internal void @correct(ptr %q) {
entry:
  call void @__quantum__qis__x__body(ptr %q)
  call void @round(ptr %q)
  ret void
}

declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
declare i1 @__quantum__rt__read_result(ptr)

attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
