; Calls nested 65 levels deep are not inlined (64 are).
define void @main() #0 {
entry:
  call void @level1(ptr null)
  ret void
}

define internal void @level1(ptr %q) {
entry:
  call void @level2(ptr %q)
  ret void
}

define internal void @level2(ptr %q) {
entry:
  call void @level3(ptr %q)
  ret void
}

define internal void @level3(ptr %q) {
entry:
  call void @level4(ptr %q)
  ret void
}

define internal void @level4(ptr %q) {
entry:
  call void @level5(ptr %q)
  ret void
}

define internal void @level5(ptr %q) {
entry:
  call void @level6(ptr %q)
  ret void
}

define internal void @level6(ptr %q) {
entry:
  call void @level7(ptr %q)
  ret void
}

define internal void @level7(ptr %q) {
entry:
  call void @level8(ptr %q)
  ret void
}

define internal void @level8(ptr %q) {
entry:
  call void @level9(ptr %q)
  ret void
}

define internal void @level9(ptr %q) {
entry:
  call void @level10(ptr %q)
  ret void
}

define internal void @level10(ptr %q) {
entry:
  call void @level11(ptr %q)
  ret void
}

define internal void @level11(ptr %q) {
entry:
  call void @level12(ptr %q)
  ret void
}

define internal void @level12(ptr %q) {
entry:
  call void @level13(ptr %q)
  ret void
}

define internal void @level13(ptr %q) {
entry:
  call void @level14(ptr %q)
  ret void
}

define internal void @level14(ptr %q) {
entry:
  call void @level15(ptr %q)
  ret void
}

define internal void @level15(ptr %q) {
entry:
  call void @level16(ptr %q)
  ret void
}

define internal void @level16(ptr %q) {
entry:
  call void @level17(ptr %q)
  ret void
}

define internal void @level17(ptr %q) {
entry:
  call void @level18(ptr %q)
  ret void
}

define internal void @level18(ptr %q) {
entry:
  call void @level19(ptr %q)
  ret void
}

define internal void @level19(ptr %q) {
entry:
  call void @level20(ptr %q)
  ret void
}

define internal void @level20(ptr %q) {
entry:
  call void @level21(ptr %q)
  ret void
}

define internal void @level21(ptr %q) {
entry:
  call void @level22(ptr %q)
  ret void
}

define internal void @level22(ptr %q) {
entry:
  call void @level23(ptr %q)
  ret void
}

define internal void @level23(ptr %q) {
entry:
  call void @level24(ptr %q)
  ret void
}

define internal void @level24(ptr %q) {
entry:
  call void @level25(ptr %q)
  ret void
}

define internal void @level25(ptr %q) {
entry:
  call void @level26(ptr %q)
  ret void
}

define internal void @level26(ptr %q) {
entry:
  call void @level27(ptr %q)
  ret void
}

define internal void @level27(ptr %q) {
entry:
  call void @level28(ptr %q)
  ret void
}

define internal void @level28(ptr %q) {
entry:
  call void @level29(ptr %q)
  ret void
}

define internal void @level29(ptr %q) {
entry:
  call void @level30(ptr %q)
  ret void
}

define internal void @level30(ptr %q) {
entry:
  call void @level31(ptr %q)
  ret void
}

define internal void @level31(ptr %q) {
entry:
  call void @level32(ptr %q)
  ret void
}

define internal void @level32(ptr %q) {
entry:
  call void @level33(ptr %q)
  ret void
}

define internal void @level33(ptr %q) {
entry:
  call void @level34(ptr %q)
  ret void
}

define internal void @level34(ptr %q) {
entry:
  call void @level35(ptr %q)
  ret void
}

define internal void @level35(ptr %q) {
entry:
  call void @level36(ptr %q)
  ret void
}

define internal void @level36(ptr %q) {
entry:
  call void @level37(ptr %q)
  ret void
}

define internal void @level37(ptr %q) {
entry:
  call void @level38(ptr %q)
  ret void
}

define internal void @level38(ptr %q) {
entry:
  call void @level39(ptr %q)
  ret void
}

define internal void @level39(ptr %q) {
entry:
  call void @level40(ptr %q)
  ret void
}

define internal void @level40(ptr %q) {
entry:
  call void @level41(ptr %q)
  ret void
}

define internal void @level41(ptr %q) {
entry:
  call void @level42(ptr %q)
  ret void
}

define internal void @level42(ptr %q) {
entry:
  call void @level43(ptr %q)
  ret void
}

define internal void @level43(ptr %q) {
entry:
  call void @level44(ptr %q)
  ret void
}

define internal void @level44(ptr %q) {
entry:
  call void @level45(ptr %q)
  ret void
}

define internal void @level45(ptr %q) {
entry:
  call void @level46(ptr %q)
  ret void
}

define internal void @level46(ptr %q) {
entry:
  call void @level47(ptr %q)
  ret void
}

define internal void @level47(ptr %q) {
entry:
  call void @level48(ptr %q)
  ret void
}

define internal void @level48(ptr %q) {
entry:
  call void @level49(ptr %q)
  ret void
}

define internal void @level49(ptr %q) {
entry:
  call void @level50(ptr %q)
  ret void
}

define internal void @level50(ptr %q) {
entry:
  call void @level51(ptr %q)
  ret void
}

define internal void @level51(ptr %q) {
entry:
  call void @level52(ptr %q)
  ret void
}

define internal void @level52(ptr %q) {
entry:
  call void @level53(ptr %q)
  ret void
}

define internal void @level53(ptr %q) {
entry:
  call void @level54(ptr %q)
  ret void
}

define internal void @level54(ptr %q) {
entry:
  call void @level55(ptr %q)
  ret void
}

define internal void @level55(ptr %q) {
entry:
  call void @level56(ptr %q)
  ret void
}

define internal void @level56(ptr %q) {
entry:
  call void @level57(ptr %q)
  ret void
}

define internal void @level57(ptr %q) {
entry:
  call void @level58(ptr %q)
  ret void
}

define internal void @level58(ptr %q) {
entry:
  call void @level59(ptr %q)
  ret void
}

define internal void @level59(ptr %q) {
entry:
  call void @level60(ptr %q)
  ret void
}

define internal void @level60(ptr %q) {
entry:
  call void @level61(ptr %q)
  ret void
}

define internal void @level61(ptr %q) {
entry:
  call void @level62(ptr %q)
  ret void
}

define internal void @level62(ptr %q) {
entry:
  call void @level63(ptr %q)
  ret void
}

define internal void @level63(ptr %q) {
entry:
  call void @level64(ptr %q)
  ret void
}

define internal void @level64(ptr %q) {
entry:
  call void @level65(ptr %q)
  ret void
}

define internal void @level65(ptr %q) {
entry:
  call void @__quantum__qis__x__body(ptr %q)
  ret void
}

declare void @__quantum__qis__x__body(ptr)

attributes #0 = { "entry_point" "qir_profiles"="base_profile" }
