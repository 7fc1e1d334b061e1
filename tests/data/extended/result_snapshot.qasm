OPENQASM 3.0;
qubit[3] q;
bit[2] c;
int cint_0 = 0;
int cint_1 = 0;
h q[0];
c[0] = measure q[0];
if (c[0] == 1) {
  cint_1 = 1;
} else {
  cint_1 = 0;
}
h q[1];
c[0] = measure q[1];
while (cint_0 + 1 < 2) {
  cint_0 = cint_0 + 1;
  h q[1];
  c[0] = measure q[1];
}
if (cint_1 == 1) {
  x q[2];
}
c[1] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
