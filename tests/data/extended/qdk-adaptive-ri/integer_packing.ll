%Result = type opaque
%Qubit = type opaque

@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0i\00"
@2 = internal constant [6 x i8] c"2_t1i\00"
@3 = internal constant [6 x i8] c"3_t2b\00"
@4 = internal constant [6 x i8] c"4_t3r\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  call void @__quantum__rt__initialize(i8* null)
  call void @__quantum__qis__ry__body(double 0.3, %Qubit* inttoptr (i64 0 to %Qubit*))
  call void @__quantum__qis__ry__body(double 0.6, %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__ry__body(double 0.8999999999999999, %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @__quantum__qis__ry__body(double 1.2, %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__ry__body(double 1.5, %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Result* inttoptr (i64 0 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* inttoptr (i64 2 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 3 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 4 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  %var_5 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 0 to %Result*))
  br i1 %var_5, label %block_1, label %block_2
block_1:
  br label %block_2
block_2:
  %var_46 = phi i64 [0, %block_0], [1, %block_1]
  %var_7 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 1 to %Result*))
  br i1 %var_7, label %block_3, label %block_4
block_3:
  %var_9 = or i64 %var_46, 2
  br label %block_4
block_4:
  %var_47 = phi i64 [%var_46, %block_2], [%var_9, %block_3]
  %var_10 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 2 to %Result*))
  br i1 %var_10, label %block_5, label %block_6
block_5:
  %var_12 = or i64 %var_47, 4
  br label %block_6
block_6:
  %var_48 = phi i64 [%var_47, %block_4], [%var_12, %block_5]
  %var_13 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 3 to %Result*))
  br i1 %var_13, label %block_7, label %block_8
block_7:
  %var_15 = or i64 %var_48, 8
  br label %block_8
block_8:
  %var_49 = phi i64 [%var_48, %block_6], [%var_15, %block_7]
  %var_16 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br i1 %var_16, label %block_9, label %block_10
block_9:
  %var_18 = or i64 %var_49, 16
  br label %block_10
block_10:
  %var_50 = phi i64 [%var_49, %block_8], [%var_18, %block_9]
  %var_23 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 0 to %Result*))
  br i1 %var_23, label %block_11, label %block_12
block_11:
  br label %block_12
block_12:
  %var_52 = phi i1 [false, %block_10], [true, %block_11]
  %var_51 = phi i64 [0, %block_10], [1, %block_11]
  %var_25 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 1 to %Result*))
  br i1 %var_25, label %block_13, label %block_14
block_13:
  %var_27 = add i64 %var_51, 1
  %var_28 = xor i1 %var_52, true
  br label %block_14
block_14:
  %var_54 = phi i1 [%var_52, %block_12], [%var_28, %block_13]
  %var_53 = phi i64 [%var_51, %block_12], [%var_27, %block_13]
  %var_29 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 2 to %Result*))
  br i1 %var_29, label %block_15, label %block_16
block_15:
  %var_31 = add i64 %var_53, 1
  %var_32 = xor i1 %var_54, true
  br label %block_16
block_16:
  %var_56 = phi i1 [%var_54, %block_14], [%var_32, %block_15]
  %var_55 = phi i64 [%var_53, %block_14], [%var_31, %block_15]
  %var_33 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 3 to %Result*))
  br i1 %var_33, label %block_17, label %block_18
block_17:
  %var_35 = add i64 %var_55, 1
  %var_36 = xor i1 %var_56, true
  br label %block_18
block_18:
  %var_58 = phi i1 [%var_56, %block_16], [%var_36, %block_17]
  %var_57 = phi i64 [%var_55, %block_16], [%var_35, %block_17]
  %var_37 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br i1 %var_37, label %block_19, label %block_20
block_19:
  %var_39 = add i64 %var_57, 1
  %var_40 = xor i1 %var_58, true
  br label %block_20
block_20:
  %var_60 = phi i1 [%var_58, %block_18], [%var_40, %block_19]
  %var_59 = phi i64 [%var_57, %block_18], [%var_39, %block_19]
  %var_41 = srem i64 %var_50, 3
  %var_42 = icmp eq i64 %var_41, 1
  br i1 %var_42, label %block_21, label %block_22
block_21:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 5 to %Qubit*))
  br label %block_27
block_22:
  %var_43 = icmp sge i64 %var_50, 20
  br i1 %var_43, label %block_23, label %block_24
block_23:
  %var_45 = icmp sle i64 %var_59, 3
  br label %block_24
block_24:
  %var_61 = phi i1 [false, %block_22], [%var_45, %block_23]
  br i1 %var_61, label %block_25, label %block_26
block_25:
  call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 5 to %Qubit*))
  br label %block_26
block_26:
  br label %block_27
block_27:
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 5 to %Qubit*), %Result* inttoptr (i64 5 to %Result*))
  call void @__quantum__rt__tuple_record_output(i64 4, i8* getelementptr inbounds ([4 x i8], [4 x i8]* @0, i64 0, i64 0))
  call void @__quantum__rt__int_record_output(i64 %var_50, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @1, i64 0, i64 0))
  call void @__quantum__rt__int_record_output(i64 %var_59, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @2, i64 0, i64 0))
  call void @__quantum__rt__bool_record_output(i1 zeroext %var_60, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @3, i64 0, i64 0))
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 5 to %Result*), i8* getelementptr inbounds ([6 x i8], [6 x i8]* @4, i64 0, i64 0))
  ret i64 0
}

declare void @__quantum__rt__initialize(i8*)

declare void @__quantum__qis__ry__body(double, %Qubit*)

declare void @__quantum__qis__mresetz__body(%Qubit*, %Result*) #1

declare zeroext i1 @__quantum__rt__read_result(%Result*)

declare void @__quantum__qis__x__body(%Qubit*)

declare void @__quantum__qis__h__body(%Qubit*)

declare void @__quantum__rt__tuple_record_output(i64, i8*)

declare void @__quantum__rt__int_record_output(i64, i8*)

declare void @__quantum__rt__bool_record_output(i1 zeroext, i8*)

declare void @__quantum__rt__result_record_output(%Result*, i8*)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="6" "required_num_results"="6" }
attributes #1 = { "irreversible" }

; module flags

!llvm.module.flags = !{!0, !1, !2, !3, !4}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
!4 = !{i32 5, !"int_computations", !{!"i64"}}
