OPENQASM 3.0;
qubit[2] q;
bit[2] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
h q[0];
c[0] = measure q[0];
if (c[0] > 0) {
  cint_0 = 1;
} else {
  cint_0 = 0;
}
if (c[0] == 1) {
  cint_1 = 1;
} else {
  cint_1 = 0;
}
if (c[0] != 0) {
  cint_2 = 1;
} else {
  cint_2 = 0;
}
if (cint_0 * cint_0 + (cint_1 + cint_2) == 3) {
  x q[1];
}
c[1] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
