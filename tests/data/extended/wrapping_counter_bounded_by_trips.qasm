OPENQASM 3.0;
qubit[2] q;
bit[2] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
h q[0];
c[0] = measure q[0];
cint_0 = 9223372036854775807 - c[0];
while (cint_1 < 5 && cint_0 > 0) {
  if (cint_0 > 9223372036854775805) {
    cint_2 = (cint_0 - 9223372036854775807 - 1) + -9223372036854775806;
  } else {
    cint_2 = cint_0 + 2;
  }
  cint_0 = cint_2;
  cint_1 = cint_1 + 1;
}
if (cint_0 >= 0 && -9223372036854775807 < 0 || cint_0 < 0 == -9223372036854775807 < 0 && cint_0 < -9223372036854775807) {
  x q[1];
}
c[1] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
