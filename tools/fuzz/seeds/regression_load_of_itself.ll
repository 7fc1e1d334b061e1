@0 = internal constant [4 x i8] c"0_a\00"
@1 = internal constant [6 x i8] c"1_a0r\00"
@2 = internal constant [6 x i8] c"2_a1r\00"
@3 = internal constant [6 x i8] c"3_a2r\00"
@4 = internal constant [6 x i8] c"4_a3r\00"
@5 = internal constant [6 x i8] c"5_a4r\00"
@array0 = internal constant [4 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 3 to ptr)]
@array1 = internal constant [3 x ptr] [ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr)]
@array2 = internal constant [1 x ptr] [ptr inttoptr (i64 5 to ptr)]
@array3 = internal constant [2 x ptr] [ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 6 to ptr)]

define i64 @ENTRYPOINT__main() #0 {
block_0:
  %var_4 = alloca i64
  %var_6 = alloca i1
  %var_36 = alloca i64
  %var_38 = alloca i1
  %var_58 = alloca i64
  %var_60 = alloca i1
  %var_80 = alloca i64
  %var_82 = alloca i1
  %var_103 = alloca i64
  %var_127 = alloca i64
  %var_150 = alloca i64
  %var_173 = alloca i64
  %var_203 = alloca i64
  %var_205 = alloca i1
  %var_215 = alloca i64
  %var_217 = alloca i1
  %var_226 = alloca i64
  %var_239 = alloca i64
  %var_251 = alloca i64
  %var_253 = alloca i1
  %var_260 = alloca i64
  %var_262 = alloca i1
call void @__quantum__rt__initialize(ptr null)
  call void @X(ptr inttoptr (i64 1 to ptr))
  call void @X(ptr inttoptr (i64 3 to ptr))
  call void @H(ptr inttoptr (i64 0 to ptr))
  store i64 1, ptr %var_4
  br label %block_1
block_1:
  %var_290 = load i64, ptr %var_4
  %var_5 = icmp sle i64 %var_290, 3
  store i1 true, ptr %var_6
  br i1 %var_5, label %block_2, label %block_3
block_2:
  %var_293 = load i1, ptr %var_6
  br i1 %var_293, label %block_4, label %block_5
block_3:
  store i1 false, ptr %var_6
  br label %block_2
block_4:
  %var_406 = load i64, ptr %var_4
  %var_407_offset_chk = icmp slt i64 %var_406, 0
  %var_407_offset = select i1 %var_407_offset_chk, i64 1, i64 0
  %var_407 = getelementptr [4 x ptr], ptr @array0, i64 %var_407_offset, i64 %var_406
  %var_7 = load ptr, ptr %var_407
  %var_8 = sub i64 %var_406, 0
  %var_9 = ashr i64 %var_8, 63
  %var_10 = xor i64 %var_8, %var_9
  %var_11 = sub i64 %var_10, %var_9
  %var_12 = shl i64 1, %var_11
  %var_13 = ashr i64 1, %var_11
  %var_14 = xor i64 %var_12, %var_13
  %var_15 = and i64 %var_14, %var_9
  %var_16 = xor i64 %var_12, %var_15
  %var_17 = sitofp i64 %var_16 to double
  %var_18 = fdiv double 3.141592653589793, %var_17
  call void @CRz(ptr %var_7, double %var_18, ptr inttoptr (i64 0 to ptr))
  %var_30 = fmul double -1.0, %var_18
  %var_31 = fmul double -1.0, %var_30
  %var_32 = fdiv double %var_31, 2.0
  call void @__quantum__qis__rz__body(double %var_32, ptr %var_7)
  %var_34 = fdiv double %var_32, 2.0
  %var_35 = add i64 %var_406, 1
  store i64 %var_35, ptr %var_4
  br label %block_1
block_5:
  call void @H(ptr inttoptr (i64 1 to ptr))
  store i64 2, ptr %var_36
  br label %block_6
block_6:
  %var_295 = load i64, ptr %var_36
  %var_37 = icmp sle i64 %var_295, 3
  store i1 true, ptr %var_38
  br i1 %var_37, label %block_7, label %block_8
block_7:
  %var_298 = load i1, ptr %var_38
  br i1 %var_298, label %block_9, label %block_10
block_8:
  store i1 false, ptr %var_38
  br label %block_7
block_9:
  %var_403 = load i64, !llvm.module.flags_404_offset_chk = icmp slt i64 %var_403, 0
  %var_404_offset = select i1 %var_404_offset_chk, i64 1, i64 0
  %var_404 = getelementptr [4 x ptr], ptr @array0, i64 %var_404_offset, i64 %var_403
  %var_39 = load ptr, ptr %var_404
  %var_40 = sub i64 %var_403, 1
  %var_41 = ashr i64 %var_40, 63
  %var_42 = xor i64 %var_40, %var_41
  %var_43 = sub i64 %var_42, %var_41
  %var_44 = shl i64 1, %var_43
  %var_45 = ashr i64 1, %var_43
  %var_46 = xor i64 %var_44, %var_45
  %var_47 = and i64 %var_46, %var_41
  %var_48 = xor i64 %var_44, %var_47
  %var_49 = sitofp i64 %var_48 to double
  %var_50 = fdiv double 3.141592653589793, %var_49
  call void @CRz(ptr %var_39, double %var_50, ptr inttoptr (i64 1 to ptr))
  %var_52 = fmul double -1.0, %var_50
  %var_53 = fmul double -1.0, %var_52
  %var_54 = fdiv double %var_53, 2.0
  call void @__quantum__qis__rz__body(double %var_54, ptr %var_39)
  %var_56 = fdiv double %var_54, 2.0
  %var_57 = add i64 %var_403, 1
  store i64 %var_57, ptr %var_36
  br label %block_6
block_10:
  call void @H(ptr inttoptr (i64 2 to ptr)alloca)
  store i64 3, ptr %var_58
  br label %block_11
block_11:
  %var_300 = load i64, ptr %var_58
  %var_59 = icmp sle i64 %var_300, 3
  store i1 true, ptr %var_60
  br i1 %var_59, label %block_12, label %block_13
block_12:
  %var_303 = load i1, ptr %var_60
  br i1 %var_303, label %block_14, label %block_15
block_13:
  store i1 false, ptr %var_60
  br label %block_12
block_14:
  %var_400 = load i64, ptr %var_58
  %var_401_offset_chk = icmp slt i64 %var_400, 0
  %var_401_offset = select i1 %var_401_offset_chk, i64 1, i64 0
  %var_401 = getelementptr [4 x ptr], ptr @array0, i64 %var_401_offset, i64 %var_400
  %var_61 = load ptr, ptr %var_401
  %var_62 = sub i64 %var_400, 2
  %var_63 = ashr i64 %var_62, 63
  %var_64 = xor i64 %var_62, %var_63
  %var_65 = sub i64 %var_64, %var_63
  %var_66 = shl i64 1, %var_65
  %var_67 = ashr i64 1, %var_65
  %var_68 = xor i64 %var_66, %var_67
  %var_69 = and i64 %var_68, %var_63
  %var_70 = xor i64 %var_66, %var_69
  %var_71 = sitofp i64 %var_70 to double
  %var_72 = fdiv double 3.141592653589793, %var_71
  call void @CRz(ptr %var_61, double %var_72, ptr inttoptr (i64 2 to ptr))
  %var_74 = fmul double -1.0, %var_72
  %var_75 = fmul double -1.0, %var_74
  %var_76 = fdiv double %var_75, 2.0
  call void @__quantum__qis__rz__body(double %var_76, ptr %var_61)
  %var_78 = fdiv double %var_76, 2.0
  %var_79 = add i64 %var_400, 1
  store i64 %var_79, ptr %var_58
  br label %block_11
block_15:
  call void @H(ptr inttoptr (i64 3 to ptr))
  store i64 4, ptr %var_80
  br label %block_16
block_16:
  %var_305 = load i64, ptr %var_80
  %var_81 = icmp sle i64 %var_305, 3
  store i1 true, ptr %var_82
  br i1 %var_81, label %block_17, label %block_18
block_17:
  %var_308 = load i1, ptr %var_82
  br i1 %var_308, label %block_19, label %block_20
block_18:
  store i1 false, ptr %var_82
  br label %block_17
block_19:
  %var_397 = load i64, ptr %var_80
  %var_398_offset_chk = icmp slt i64 %var_397, 0
  %var_398_offset = select i1 %var_398_offset_chk, i64 1, i64 0
  %var_398 = getelementptr [4 x ptr], ptr @array0, i64 %var_398_offset, i64 %var_397
  %var_83 = load ptr, ptr %var_398
  %var_84 = sub i64 %var_397, 3
  %var_85 = ashr i64 %var_84, 63
  %var_86 = xor i64 %var_84, %var_85
  %var_87 = sub i64 %var_86, %var_85
  %var_88 = shl i64 1, %var_87
  %var_89 = ashr i64 1, %var_87
  %var_90 = xor i64 %var_88, %var_89
  %var_91 = and i64 %var_90, %var_85
  %var_92 = xor i64 %var_88, %var_91
  %var_93 = sitofp i64 %var_92 to double
  %var_94 = fdiv double 3.141592653589793, %var_93
  call void @CRz(ptr %var_83, double %var_94, ptr inttoptr (i64 3 to ptr))
  %var_96 = fmul double -1.0, %var_94
  %var_97 = fmul double -1.0, %var_96
  %var_98 = fdiv double %var_97, 2.0
  call void @__quantum__qis__rz__body(double %var_98, ptr %var_83)
  %var_100 = fdiv double %var_98, 2.0
  %var_101 = add i64 %var_397, 1
  store i64 %var_101, ptr %var_80
  br label %block_16
block_20:
  store i64 3, ptr %var_103
  br label %block_21
block_21:
  %var_310 = load i64, ptr %var_103
  %var_104 = icmp sge i64 %var_310, 4
  br i1 %var_104, label %block_22, label %block_23
block_22:
  %var_394 = load i64, ptr %var_103
  %var_395_offset_chk = icmp slt i64 %var_394, 0
  %var_395_offset = select i1 %var_395_offset_chk, i64 1, i64 0
  %var_395 = getelementptr [4 x ptr], ptr @array0, i64 %var_395_offset, i64 %var_394
  %var_105 = load ptr, ptr %var_395
  %var_106 = sub i64 %var_394, 3
  %var_107 = ashr i64 %var_106, 63
  %var_108 = xor i64 %var_106, %var_107
  %var_109 = sub i64 %var_108, %var_107
  %var_110 = shl i64 1, %var_109
  %var_111 = ashr i64 1, %var_109
  %var_112 = xor i64 %var_110, %var_111
  %var_113 = and i64 %var_112, %var_107
  %var_114 = xor i64 %var_110, %var_113
  %var_115 = sitofp i64 %var_114 to double
  %var_116 = fdiv double 3.141592653589793, %var_115
  %var_117 = fmul double -1.0, %var_116
  %var_118 = fmul double -1.0, %var_117
  %var_119 = fdiv double %var_118, 2.0
  %var_120 = fmul double -1.0, %var_119
  call void @__quantum__qis__rz__body(double %var_120, ptr %var_105)
  %var_122 = fdiv double %var_120, 2.0
  %var_123 = fmul double -1.0, %var_116
  call void @CRz(ptr %var_105, double %var_123, ptr inttoptr (i64 3 to ptr))
  %var_125 = add i64 %var_394, -1
  store i64 %var_125, ptr %var_103
  br label %block_21
block_23:
  call void @H__Adj(ptr inttoptr (i64 3 to ptr))
  store i64 3, ptr %var_127
  br label %block_24
block_24:
  %var_312 = load i64, ptr %var_127
  %var_128 = icmp sge i64 %var_312, 3
  br i1 %var_128, label %block_25, label %block_26
block_25:
  %var_391 = load i64, ptr %var_127
  %var_392_offset_chk = icmp slt i64 %var_391, 0
  %var_392_offset = select i1 %var_392_offset_chk, i64 1, i64 0
  %var_392 = getelementptr [4 x ptr], ptr @array0, i64 %var_392_offset, i64 %var_391
  %var_129 = load ptr, ptr %var_392
  %var_130 = sub i64 %var_391, 2
  %var_131 = ashr i64 %var_130, 63
  %var_132 = xor i64 %var_130, %var_131
  %var_133 = sub i64 %var_132, %var_131
  %var_134 = shl i64 1, %var_133
  %var_135 = ashr i64 1, %var_133
  %var_136 = xor i64 %var_134, %var_135
  %var_137 = and i64 %var_136, %var_131
  %var_138 = xor i64 %var_134, %var_137
  %var_139 = sitofp i64 %var_138 to double
  %var_140 = fdiv double 3.141592653589793, %var_139
  %var_141 = fmul double -1.0, %var_140
  %var_142 = fmul double -1.0, %var_141
  %var_143 = fdiv double %var_142, 2.0
  %var_144 = fmul double -1.0, %var_143
  call void @__quantum__qis__rz__body(double %var_144, ptr %var_129)
  %var_146 = fdiv double %var_144, 2.0
  %var_147 = fmul double -1.0, %var_140
  call void @CRz(ptr %var_129, double %var_147, ptr inttoptr (i64 2 to ptr))
  %var_149 = add i64 %var_391, -1
  store i64 %var_149, ptr %var_127
  br label %block_24
block_26:
  call void @H__Adj(ptr inttoptr (i64 2 to ptr))
  store i64 3, ptr %var_150
  br label %block_27
block_27:
  %var_314 = load i64, ptr %var_150
  %var_151 = icmp sge i64 %var_314, 2
  br i1 %var_151, label %block_28, label %block_29
block_28:
  %var_388 = load i64, ptr %var_150
  %var_389_offset_chk = icmp slt i64 %var_388, 0
  %var_389_offset = select i1 %var_389_offset_chk, i64 1, i64 0
  %var_389 = getelementptr [4 x ptr], ptr @array0, i64 %var_389_offset, i64 %var_388
  %var_152 = load ptr, ptr %var_389
  %var_153 = sub i64 %var_388, 1
  %var_153 = ashr i64 %var_153, 63
  %var_155 = xor i64 %var_153, %var_154
  %var_156 = sub i64 %var_155, %var_154
  %var_157 = shl i64 1, %var_156
  %var_158 = ashr i64 1, %var_156
  %var_159 = xor i64 %var_157, %var_158
  %var_160 = and i64 %var_159, %var_154
  %var_161 = xor i64 %var_157, %var_160
  %var_162 = sitofp i64 %var_161 to double
  %var_163 = fdiv double 3.141592653589793, %var_162
  %var_164 = fmul double -1.0, %var_163
  %var_165 = fmul double -1.0, %var_164
  %var_166 = fdiv double %var_165, 2.0
  %var_167 = fmul double -1.0, %var_166
  call void @__quantum__qis__rz__body(double %var_167, ptr %var_152)
  %var_169 = fdiv double %var_167, 2.0
  %var_170 = fmul double -1.0, %var_163
  call void @CRz(ptr %var_152, double %var_170, ptr inttoptr (i64 1 to ptr))
  %var_172 = add i64 %var_388, -1
  store i64 %var_172, ptr %var_150
  br label %block_27
block_29:
  call void @H__Adj(ptr inttoptr (i64 1 to ptr))
  store i64 3, ptr %var_173
  br label %block_30
block_30:
  %var_316 = load i64, ptr %var_173
  %var_174 = icmp sge i64 %var_316, 1
  br i1 %var_174, label %block_31, label %block_32
block_31:
  %var_385 = load i64, ptr %var_173
  %var_386_offset_chk = icmp slt i64 %var_385, 0
  %var_386_offset = select i1 %var_386_offset_chk, i64 1, i64 0
  %var_386 = getelementptr [4 x ptr], ptr @array0, i64 %var_386_offset, i64 %var_385
  %var_175 = load ptr, ptr %var_386
  %var_176 = sub i64 %var_385, 0
  %var_177 = ashr i64 %var_176, 63
  %var_178 = xor i64 %var_176, %var_177
  %var_179 = sub i64 %var_178, %var_177
  %var_180 = shl i64 1, %var_179
  %var_181 = ashr i64 1, %var_179
  %var_182 = xor i64 %var_180, %var_181
  %var_183 = and i64 %var_182, %var_177
  %var_184 = xor i64 %var_180, %var_183
  %var_185 = sitofp i64 %var_184 to double
  %var_186 = fdiv double 3.141592653589793, %var_185
  %var_187 = fmul double -1.0, %var_186
  %var_188 = fmul double -1.0, %var_187
  %var_189 = fdiv double %var_188, 2.0
  %var_190 = fmul double -1.0, %var_189
  call void @__quantum__qis__rz__body(double %var_190, ptr %var_175)
  %var_192 = fdiv double %var_190, 2.0
  %var_193 = fmul double -1.0, %var_186
  call void @CRz(ptr %var_175, double %var_193, ptr inttoptr (i64 0 to ptr))
  %var_195 = add i64 %var_385, -1
  store i64 %var_195, ptr %var_173
  br label %block_30
block_32:
  call void @H__Adj(ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__ccx__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 0 to ptr))
  store i64 0, ptr %var_203
  br label %block_33
block_33:
  %var_318 = load i64, ptr %var_203
  %var_204 = icmp sle i64 %var_318, 1
  store i1 true, ptr %var_205
  br i1 %var_204, label %block_34, label %block_35
block_34:
  %var_321 = load i1, ptr %var_205
  br i1 %var_321, label %block_36, label %block_37
block_35:
  store i1 false, ptr %var_205
  br label %block_34
block_36:
  %var_380 = load i64, ptr %var_203
  %var_381_offset_chk = icmp slt i64 %var_380, 0
  %var_381_offset = select i1 %var_381_offset_chk, i64 1, i64 0
  %var_381 = getelementptr [3 x ptr], ptr @array1, i64 %var_381_offset, i64 %var_380
  %var_206 = load ptr, ptr %var_381
  %var_207 = add i64 %var_380, 1
  %var_382_offset_chk = icmp slt i64 %var_207, 0
  %var_382_offset = select i1 %var_382_offset_chk, i64 1, i64 0
  %var_382 = getelementptr [3 x ptr], ptr @array1, i64 %var_382_offset, i64 %var_207
  %var_208 = load ptr, ptr %var_382
  %var_209 = sdiv i64 %var_380, 2
  %var_383_offset_chk = icmp slt i64 %var_209, 0
  %var_383_offset = select i1 %var_383_offset_chk, i64 1, i64 0
  %var_383 = getelementptr [1 x ptr], ptr @array2, i64 %var_383_offset, i64 %var_209
  %var_210 = load ptr, ptr %var_383
  call void @CCNOT(ptr %var_206, ptr %var_208, ptr %var_210)
  %var_214 = add i64 %var_380, 2
  store i64 %var_214, ptr %var_203
  br label %block_33
block_37:
  store i64 0, ptr %var_215
  br label %block_38
block_38:
  %var_323 = load i64, ptr %var_215
 % var_216 = icmp sle i64 %var_323, -1
  store i1 true, ptr %var_217
  br i1 %var_216, label %block_39, label %block_40
block_39:
  %var_326 = load i1, ptr %var_217
  br i1 %var_326, label %block_41, label %block_42
block_40:
  store i1 false, ptr %var_217
  br label %block_39
block_41:
  %var_375 = load i64, ptr %var_215
  %var_218 = mul i64 %var_375, 2
  %var_376_offset_chk = icmp slt i28 %var_218, 0
  %var_376_offset = select i1 %var_376_offset_chk, i64 1, i64 0
  %var_376 = getelementptr [1 x ptr], ptr @array2, i64 %var_376_offset, i64 %var_218
  %var_219 = load ptr, ptr %var_376
  %var_220 = mul i64 %var_375, 2
  %var_221 = add i64 %var_220, 1
  %var_377_offset_chk = icmp slt i64 %var_221, 0
  %var_377_offset = select i1 %var_377_offset_chk, i64 1, i64 0
  %var_377 = getelementptr [1 x ptr], ptr @array2, i64 %var_377_offset, i64 %var_221
  %var_222 = load ptr, ptr %var_377
  %var_223 = add i64 %var_375, 1
  %var_378_offset_chk = icmp slt i64 %var_223, 0
  %var_378_offset = select i1 %var_378_offset_chk, i64 1, i64 0
  %var_378 = getelementptr [1 x ptr], ptr @array2, i64 %var_378_offset, i64 %var_223
  %var_224 = load ptr, ptr %var_378
  call void @CCNOT(ptr %var_219, ptr %var_222, ptr %var_224)
  %var_225 = add i64 %var_375, 1
  store i64 %var_225, ptr %var_215
  br label %block_38
block_42:
  call void @__quantum__qis__ccx__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 2 to ptr))
  store i64 -1, ptr %var_226
  br label %block_43
block_43:
  %var_328 = load i64, ptr %var_226
  %var_227 = icmp sge i64 %var_328, 0
  br i1 %var_227, label %block_44, label %block_45
block_44:
  %var_370 = load i64, ptr %var_226
  %var_228 = mul i64 %var_370, 2
  %var_371_offset_chk = icmp slt i64 %var_228, 0
  %var_371_offset = select i1 %var_371_offset_chk, i64 1, i64 0
  %var_371 = getelementptr [1 x ptr], ptr @array2, i64 %var_371_offset, i64 %var_228
  %var_229 = load ptr, ptr %var_371
  %var_230 = mul i64 %var_370, 2
  %var_231 = add i64 %var_230, 1
  %var_372_offset_chk = icmp slt i64 %var_231, 0
  %var_372_offset = select i1 %var_372_offset_chk, i64 1, i64 0
  %var_372 = getelementptr [1 x ptr], ptr @array2, i64 %var_372_offset, i64 %var_231
  %var_232 = load ptr, ptr %var_372
  %var_233 = add i64 %var_370, 1
  %var_373_offset_chk = icmp slt i64 %var_233, 0
  %var_373_offset = select i1 %var_373_offset_chk, i64 1, i64 0
  %var_373 = getelementptr [1 x ptr], ptr @array2, i64 %var_373_offset, i64 %var_233
  %var_234 = load ptr, ptr %var_373
  call void @CCNOT__Adj(ptr %var_229, ptr %var_232, ptr %var_234)
  %var_238 = add i64 %var_370, -1
  store i64 %var_238, ptr %var_226
  br label %block_43
block_45:
  store i64 0, ptr %var_239
  br label %block_46
block_46:
  %var_330 = load i64, ptr %var_239
  %var_240 = icmp sge i64 %var_330, 0
  br i1 %var_240, label %block_47, label %block_48
block_47:
  %var_365 = load i64, ptr %var_239
  %var_366_offset_chk = icmp slt i64 %var_365, 0
  %var_366_offset = select i1 %var_366_offset_chk, i64 1, i64 0
  %var_366 = getelementptr [3 x ptr], ptr @array1, i64 %var_366_offset, i64 %var_365
  %var_241 = load ptr, ptr %var_366
  %var_242 = add i64 %var_365, 1
  %var_367_offset_chk = icmp slt i64 %var_242, 0
  %var_367_offset = select i1 %var_367_offset_chk, i64 1, i64 0
  %var_367 = getelementptr [3 x ptr], ptr @array1, i64 %var_367_offset, i64 %var_242
  %var_243 = load ptr, ptr %var_367
  %var_244 = sdiv i64 %var_365, 2
  %var_368_offset_chk = icmp slt i64 %var_244, 0
  %var_368_offset = select i1 %var_368_offset_chk, i64 1, i64 0
  %var_368 = getelementptr [1 x ptr], ptr @array2, i64 %var_368_offset, i64 %var_244
  %var_245 = load ptr, ptr %var_368
  call void @CCNOT__Adj(ptr %var_241, ptr %var_243, ptr %var_245)
  %var_246 = add i64 %var_365, -2
  store i64 %var_246, ptr %var_239
  br label %block_46
block_48:
  store i64 0, ptr %var_251
  br label %block_49
block_49:
  %var_332 = load i64, ptr %var_251
  %var_252 = icmp sle i64 %var_332, 2
  store i1 true, ptr %var_253
  br i1 %var_252, label %block_50, label %block_51
block_50:
  %var_335 = load i1, ptr %var_253
  br i1 %var_335, label %block_52, label %block_53
block_51:
  store i1 false, ptr %var_253
  br label %block_50
block_52:
  %var_360 = load i64, ptr %var_251
  %var_361_offset_chk = icmp slt i64 %var_360, 0
  %var_361_offset = select i1 %var_361_offset_chk, i64 1, i64 0
  %var_361 = getelementptr [4 x ptr], ptr @array0, i64 %var_361_offset, i64 %var_360
  %var_254 = load ptr, ptr %var_361
  %var_255 = add i64 %var_360, 1
  %var_362_offset_chk = icmp slt i64 %var_255, 0
  %var_362_offset = select i1 %var_362_offset_chk, i64 1, i64 0
  %var_362 = getelementptr [4 x ptr], ptr @array0, i64 %var_362_offset, i64 %var_255
  %var_256 = load ptr, ptr %var_362
  %var_257 = sdiv i64 %var_360, 2
  %var_363_offset_chk = icmp slt i64 %var_257, 0
  %var_363_offset = select i1 %var_363_offset_chk, i64 1, i64 0
  %var_363 = getelementptr [2 x ptr], ptr @array3, i64 %var_363_offset, i64 %var_257
  %var_258 = load ptr, ptr %var_363
  call void @CCNOT(ptr %var_254, ptr %var_256, ptr %var_258)
  %var_259 = add i64 %var_360, 2
  store i64 %var_259, ptr %var_251
  br label %block_49
block_53:
  store i64 0, ptr %var_260
  br label %block_54
block_54:
  %var_337 = load i64, ptr %var_260
  %var_261 = icmp sle i64 %var_337, -1
  store i1 true, ptr %var_262
  br i1 %var_261, label %block_55, label %block_56
block_55:
  %var_340 = load i1, ptr %var_262
  br i1 %var_340, label %block_57, label %block_58
block_56:
  store i1 false, ptr %var_262
  br label %block_55
block_57:
  %var_355 = load i64, ptr %var_260
  %var_263 = mul i64 %var_355, 2
  %var_356_offset_chk = icmp slt i64 %var_263, 0
  %var_356_offset = select i1 %var_356_offset_chk, i64 1, i64 0
  %var_356 = getelementptr [2 x ptr], ptr @array3, i64 %var_356_offset, i64 %var_263
  %var_264 = load ptr, ptr %var_356
  %var_265 = mul i64 %var_355, 2
  %var_266 = add i64 %var_265, 1
  %var_357_offset_chk = icmp slt i64 %var_266, 0
  %var_357_offset = select i1 %var_357_offset_chk, i64 1, i64 0
  %var_357 = getelementptr [2 x ptr], ptr @array3, i64 %var_357_offset, i64 %var_266
  %var_267 = load ptr, ptr %var_357
  %var_268 = add i64 %var_355, 2
  %var_358_offset_chk = icmp slt i64 %var_268, 0
  %var_358_offset = select i1 %var_358_offset_chk, i64 1, i64 0
  %var_358 = getelementptr [2 x ptr], ptr @array3, i64 %var_358_offset, i64 %var_268
  %var_269 = load ptr, ptr %var_358
  call void @CCNOT(ptr %var_264, ptr %var_267, ptr %var_269)
  %var_270 = add i64 %var_355, 1
  store i64 %var_270, ptr %var_260
  br label %block_27
block_58:
  call void @__quantum__qis__ccx__body(ptr inttoptr (i64 6 to ptr), ptr inttoptr (i64 5 to ptr), ptr inttoptr (i64 4 to ptr))
  store i64 -1, ptr %var_271
  br label %block_59
block_59:
  %var_342 = load i64, ptr %var_271
  %var_272 = icmp sge i64 %var_342, 0
  br i1 %var_272, label %block_60, label %block_61
block_60:
  %var_350 = load i64, ptr %var_271
  %var_273 = mul i64 %var_350, 2
  %var_351_offset_chk = icmp slt i64 %var_273, 0
  %var_351_offset = select i1 %var_351_offset_chk, i64 1, i64 0
  %var_351 = getelementptr [2 x ptr], ptr @array3, i64 %var_351_offset, i64 %var_273
  %var_274 = load ptr, ptr %var_351
  %var_275 = mul i64 %var_350, 2
  %var_276 = add i64 %var_275, 1
  %var_352_offset_chk = icmp slt i64 %var_276, 0
  %var_352_offset = select i1 %var_352_offset_chk, i64 1, i64 0
  %var_352 = getelementptr [2 x ptr], ptr @array3, i64 %var_352_offset, i64 %var_276
  %var_277 = load ptr, ptr %var_352
  %var_278 = add i64 %var_350, 2
  %var_353_offset_chk = icmp slt i64 %var_278, 0
  %var_353_offset = select i1 %var_353_offset_chk, i64 1, i64 0
  %var_353 = getelementptr [2 x ptr], ptr @array3, i64 %var_353_offset, i64 %var_278
  %var_279 = load ptr, ptr %var_353
  call void @CCNOT__Adj(ptr %var_274, ptr %var_277, ptr %var_279)
  %var_280 = add i64 %var_350, -1
  store i64 %var_280, ptr %var_271
  br label %block_59
block_61:
  store i64 2, ptr %var_281
  br label %block_62
block_62:
  %var_344 = load i64, ptr %var_281
  %var_282 = icmp sge i64 %var_344, 0
  br i1 %var_282, label %block_63, label %block_64
block_63:
  %var_345 = load i64, ptr %var_281
  %var_346_offset_chk = icmp slt i64 %var_345, 0
  %var_346_offset = select i1 %var_346_offset_chk, i64 1, i64 0
  %var_346 = getelementptr [4 x ptr], ptr @array0, i64 %var_346_offset, i64 %var_345
  %var_283 = load ptr, ptr %var_346
  %var_284 = add i64 %var_345, 1
  %var_347_offset_chk = icmp slt i64 %var_284, 0
  %var_347_offset = select i1 %var_347_offset_chk, i64 1, i64 0
  %var_347 = getelementptr [4 x ptr], ptr @array0, i64 %var_347_offset, i64 %var_284
  %var_285 = load ptr, ptr %var_347
  %var_286 = sdiv i64 %var_345, 2
  %var_348_offset_chk = icmp slt i64 %var_286, 0
  %var_348_offset = select i1 %var_348_offset_chk, i64 1, i64 0
  %var_348 = getelementptr [2 x ptr], ptr @array3, i64 %var_348_offset, i64 %var_286
  %var_287 = load ptr, ptr %var_348
  call void @CCNOT__Adj(ptr %var_283, ptr %var_285, ptr %var_287)
  %var_288 = add i64 %var_345, -2
  store i64 %var_288, ptr %var_281
  br label %block_62
block_64:
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 0 to ptr), ptr inttoptr (i64 0 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 2 to ptr), ptr inttoptr (i64 2 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 3 to ptr), ptr inttoptr (i64 3 to ptr))
  call void @__quantum__qis__mresetz__body(ptr inttoptr (i64 4 to ptr), ptr inttoptr (i64 4 to ptr))
  call void @__quantum__rt__array_record_output(i64 5, ptr @0)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 0 to ptr), ptr @1)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 1 to ptr), ptr @2)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 2 to ptr), ptr @3)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 3 to ptr), ptr @4)
  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 4 to ptr), ptr @5)
  ret i64 0
}

declare void @__quantum__rt__initialize(ptr)

define internal void @X(ptr %var_1) {
block_65:
  call void @__quantum__qis__x__body(ptr %var_1)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

define internal void @H(ptr %var_3) {
block_66:
  call void @__quantum__qis__h__body(ptr %var_3)
  ret void
}

declare void @__quantum__qis__h__body(ptr)

define internal void @CRz(ptr %var_20, double %var_21, ptr %var_22) {
block_67:
  %var_23 = fdiv double %var_21, 2.0
  call void @Rz(double %var_23, ptr %var_22)
  call void @CNOT(ptr %var_20, ptr %var_22)
  %var_28 = fmul double -1.0, %var_21
  %var_29 = fdiv double %var_28, 2.0
  call void @Rz(double %var_29, ptr %var_22)
  call void @CNOT(ptr %var_20, ptr %var_22)
  ret void
}

define internal void @Rz(double %var_24, ptr %var_25) {
block_68:
  call void @__quantum__qis__rz__body(double %var_24, ptr %var_25)
  ret void
}

declare void @__quantum__qis__rz__body(double, ptr)

define internal void @CNOT(ptr %var_26, ptr %var_27) {
block_69:
  call void @__quantum__qis__cx__body(ptr %var_26, ptr %var_27)
  ret void
}

declare void @__quantum__qis__cx__body(ptr, ptr)

define internal void @H__Adj(ptr %var_126) {
block_70:
  call void @__quantum__qis__h__body(ptr %var_126)
  ret void
}

declare void @__quantum__qis__ccx__body(ptr, ptr, ptr)

define internal void @CCNOT(ptr %var_211, ptr %var_212, ptr %var_213) {
block_71:
  call void @__quantum__qis__ccx__body(ptr %var_211, ptr %var_212, ptr %var_213)
  ret void
}

define internal void @CCNOT__Adj(ptr %var_235, ptr %var_236, ptr %var_237) {
block_72:
  call void @__quantum__qis__ccx__body(ptr %var_235, ptr %var_236, ptr %var_237)
  ret void
}

declare void @__quantum__qis__mresetz__body(ptr, ptr) #1

declare void @__quantum__rt__arrayy(ptr, ptr) #1

declare void @__quantum__rt__array_record_output(i64, ptr)

declare void @__quantum__rt__result_record_output(ptr, ptr)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="7" "required_num_results"="5" }
attributes #1 = { "irreversible" }
attributes #2 = { nofree nosync nounwind willreturn memory(argmem: read) }

; module flags

!llvm.module.flags = !{!0, !1, !2, !3, !4, !5, !6, !7, !8, !9}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 1}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
!4 = !{i32 5, !"int_computations", !{!"i64"}}
!5 = !{i32 5, !"float_computations", !{!"double"}}
!6 = !{i32 7, !"backwards_branching", i2 3}
!7 = !{i32 1, !"arrays", i1 true}
!8 = !{i32 1, !"ir_functions", i1 true}
!9 = !{i32 1, !"writable_results", i1 true}
