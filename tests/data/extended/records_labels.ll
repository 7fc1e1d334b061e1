; Output records with labels, as the QDK writes a returned (Result, Bool, Double): the labels are
; global strings (an escaped tab among them), named through getelementptr and as plain pointers;
; one record has no label. The Bool and the Double are computed from the measured result.
@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0r\00"
@2 = internal constant [6 x i8] c"2_t1b\00"
@"label with space" = internal constant [7 x i8] c"3_t\092d\00"

define void @main() #0 {
entry:
  call void @__quantum__qis__ry__body(double 1.0, ptr null)
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %r = call i1 @__quantum__qis__read_result__body(ptr null)
  %not = xor i1 %r, true
  %d = select i1 %r, double 0.5, double -1.25
  call void @__quantum__rt__tuple_record_output(i64 4, i8* getelementptr inbounds ([4 x i8], [4 x i8]* @0, i64 0, i64 0))
  call void @__quantum__rt__result_record_output(ptr null, ptr @1)
  call void @__quantum__rt__bool_record_output(i1 zeroext %not, ptr @2)
  call void @__quantum__rt__double_record_output(double %d, ptr @"label with space")
  call void @__quantum__rt__result_record_output(ptr null, ptr null)
  ret void
}

declare void @__quantum__qis__ry__body(double, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr)
declare zeroext i1 @__quantum__qis__read_result__body(ptr)
declare void @__quantum__rt__tuple_record_output(i64, ptr)
declare void @__quantum__rt__result_record_output(ptr, ptr)
declare void @__quantum__rt__bool_record_output(i1 zeroext, ptr)
declare void @__quantum__rt__double_record_output(double, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="1" "required_num_results"="1" }
