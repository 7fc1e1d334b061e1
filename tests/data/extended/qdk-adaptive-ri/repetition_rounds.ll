%Result = type opaque
%Qubit = type opaque

@0 = internal constant [4 x i8] c"0_t\00"
@1 = internal constant [6 x i8] c"1_t0a\00"
@2 = internal constant [8 x i8] c"2_t0a0r\00"
@3 = internal constant [8 x i8] c"3_t0a1r\00"
@4 = internal constant [8 x i8] c"4_t0a2r\00"
@5 = internal constant [6 x i8] c"5_t1i\00"

define i64 @ENTRYPOINT__main() #0 {
block_0:
  call void @__quantum__rt__initialize(i8* null)
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 0 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @__quantum__qis__rx__body(double 0.4, %Qubit* inttoptr (i64 0 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 0 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 4 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))
  %var_4 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 0 to %Result*))
  br i1 %var_4, label %block_1, label %block_2
block_1:
  br label %block_3
block_2:
  br label %block_3
block_3:
  %var_47 = phi i64 [1, %block_1], [0, %block_2]
  %var_7 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 1 to %Result*))
  br i1 %var_7, label %block_4, label %block_5
block_4:
  br label %block_6
block_5:
  br label %block_6
block_6:
  %var_48 = phi i64 [1, %block_4], [0, %block_5]
  %var_10 = mul i64 2, %var_48
  %var_11 = add i64 %var_47, %var_10
  %var_13 = icmp eq i64 %var_11, 1
  br i1 %var_13, label %block_7, label %block_8
block_7:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 0 to %Qubit*))
  br label %block_14
block_8:
  %var_14 = icmp eq i64 %var_11, 3
  br i1 %var_14, label %block_9, label %block_10
block_9:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  br label %block_13
block_10:
  %var_15 = icmp eq i64 %var_11, 2
  br i1 %var_15, label %block_11, label %block_12
block_11:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 2 to %Qubit*))
  br label %block_12
block_12:
  %var_49 = phi i64 [0, %block_10], [1, %block_11]
  br label %block_13
block_13:
  %var_50 = phi i64 [1, %block_9], [%var_49, %block_12]
  br label %block_14
block_14:
  %var_51 = phi i64 [1, %block_7], [%var_50, %block_13]
  call void @__quantum__qis__rx__body(double 0.8, %Qubit* inttoptr (i64 1 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 2 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 4 to %Qubit*), %Result* inttoptr (i64 3 to %Result*))
  %var_16 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 2 to %Result*))
  br i1 %var_16, label %block_15, label %block_16
block_15:
  br label %block_17
block_16:
  br label %block_17
block_17:
  %var_52 = phi i64 [1, %block_15], [0, %block_16]
  %var_19 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 3 to %Result*))
  br i1 %var_19, label %block_18, label %block_19
block_18:
  br label %block_20
block_19:
  br label %block_20
block_20:
  %var_53 = phi i64 [1, %block_18], [0, %block_19]
  %var_22 = mul i64 2, %var_53
  %var_23 = add i64 %var_52, %var_22
  %var_25 = icmp eq i64 %var_23, 1
  br i1 %var_25, label %block_21, label %block_22
block_21:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 0 to %Qubit*))
  %var_26 = add i64 %var_51, 1
  br label %block_28
block_22:
  %var_27 = icmp eq i64 %var_23, 3
  br i1 %var_27, label %block_23, label %block_24
block_23:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  %var_28 = add i64 %var_51, 1
  br label %block_27
block_24:
  %var_29 = icmp eq i64 %var_23, 2
  br i1 %var_29, label %block_25, label %block_26
block_25:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 2 to %Qubit*))
  %var_30 = add i64 %var_51, 1
  br label %block_26
block_26:
  %var_54 = phi i64 [%var_51, %block_24], [%var_30, %block_25]
  br label %block_27
block_27:
  %var_55 = phi i64 [%var_28, %block_23], [%var_54, %block_26]
  br label %block_28
block_28:
  %var_56 = phi i64 [%var_26, %block_21], [%var_55, %block_27]
  call void @__quantum__qis__rx__body(double 1.2000000000000002, %Qubit* inttoptr (i64 2 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 3 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__cx__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Qubit* inttoptr (i64 4 to %Qubit*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 3 to %Qubit*), %Result* inttoptr (i64 4 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 4 to %Qubit*), %Result* inttoptr (i64 5 to %Result*))
  %var_31 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 4 to %Result*))
  br i1 %var_31, label %block_29, label %block_30
block_29:
  br label %block_31
block_30:
  br label %block_31
block_31:
  %var_57 = phi i64 [1, %block_29], [0, %block_30]
  %var_34 = call zeroext i1 @__quantum__rt__read_result(%Result* inttoptr (i64 5 to %Result*))
  br i1 %var_34, label %block_32, label %block_33
block_32:
  br label %block_34
block_33:
  br label %block_34
block_34:
  %var_58 = phi i64 [1, %block_32], [0, %block_33]
  %var_37 = mul i64 2, %var_58
  %var_38 = add i64 %var_57, %var_37
  %var_40 = icmp eq i64 %var_38, 1
  br i1 %var_40, label %block_35, label %block_36
block_35:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 0 to %Qubit*))
  %var_41 = add i64 %var_56, 1
  br label %block_42
block_36:
  %var_42 = icmp eq i64 %var_38, 3
  br i1 %var_42, label %block_37, label %block_38
block_37:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))
  %var_43 = add i64 %var_56, 1
  br label %block_41
block_38:
  %var_44 = icmp eq i64 %var_38, 2
  br i1 %var_44, label %block_39, label %block_40
block_39:
  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 2 to %Qubit*))
  %var_45 = add i64 %var_56, 1
  br label %block_40
block_40:
  %var_59 = phi i64 [%var_56, %block_38], [%var_45, %block_39]
  br label %block_41
block_41:
  %var_60 = phi i64 [%var_43, %block_37], [%var_59, %block_40]
  br label %block_42
block_42:
  %var_61 = phi i64 [%var_41, %block_35], [%var_60, %block_41]
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 0 to %Qubit*), %Result* inttoptr (i64 6 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 7 to %Result*))
  call void @__quantum__qis__mresetz__body(%Qubit* inttoptr (i64 2 to %Qubit*), %Result* inttoptr (i64 8 to %Result*))
  call void @__quantum__rt__tuple_record_output(i64 2, i8* getelementptr inbounds ([4 x i8], [4 x i8]* @0, i64 0, i64 0))
  call void @__quantum__rt__array_record_output(i64 3, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @1, i64 0, i64 0))
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 6 to %Result*), i8* getelementptr inbounds ([8 x i8], [8 x i8]* @2, i64 0, i64 0))
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 7 to %Result*), i8* getelementptr inbounds ([8 x i8], [8 x i8]* @3, i64 0, i64 0))
  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 8 to %Result*), i8* getelementptr inbounds ([8 x i8], [8 x i8]* @4, i64 0, i64 0))
  call void @__quantum__rt__int_record_output(i64 %var_61, i8* getelementptr inbounds ([6 x i8], [6 x i8]* @5, i64 0, i64 0))
  ret i64 0
}

declare void @__quantum__rt__initialize(i8*)

declare void @__quantum__qis__x__body(%Qubit*)

declare void @__quantum__qis__cx__body(%Qubit*, %Qubit*)

declare void @__quantum__qis__rx__body(double, %Qubit*)

declare void @__quantum__qis__mresetz__body(%Qubit*, %Result*) #1

declare zeroext i1 @__quantum__rt__read_result(%Result*)

declare void @__quantum__rt__tuple_record_output(i64, i8*)

declare void @__quantum__rt__array_record_output(i64, i8*)

declare void @__quantum__rt__result_record_output(%Result*, i8*)

declare void @__quantum__rt__int_record_output(i64, i8*)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="5" "required_num_results"="9" }
attributes #1 = { "irreversible" }

; module flags

!llvm.module.flags = !{!0, !1, !2, !3, !4}

!0 = !{i32 1, !"qir_major_version", i32 1}
!1 = !{i32 7, !"qir_minor_version", i32 0}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
!4 = !{i32 5, !"int_computations", !{!"i64"}}
