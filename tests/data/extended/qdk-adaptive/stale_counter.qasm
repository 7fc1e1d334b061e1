OPENQASM 3.0;
qubit[3] q;
bit[3] c;
int cint_0 = 0;
int cint_1 = 0;
h q[0];
h q[1];
c[0] = measure q[0];
if (c[0]) {
  cint_0 = 1;
}
c[1] = measure q[1];
if (cint_0 == 1) {
  x q[2];
}
c[2] = measure q[2];
cint_1 = 0;
while (cint_1 < 3) {
  if (cint_1 == 0) {
    reset q[0];
  }
  if (cint_1 == 1) {
    reset q[1];
  }
  if (cint_1 == 2) {
    reset q[2];
  }
  cint_1 = cint_1 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
