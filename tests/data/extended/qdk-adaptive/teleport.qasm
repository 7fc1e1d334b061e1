OPENQASM 3.0;
qubit[3] q;
bit[3] c;
int cint_0 = 0;
ry(1.1) q[0];
h q[1];
cnot q[1], q[2];
cnot q[0], q[1];
h q[0];
c[0] = measure q[1];
if (c[0]) {
  x q[2];
}
c[1] = measure q[0];
if (c[1]) {
  z q[2];
}
ry(-1.1) q[2];
c[2] = measure q[2];
cint_0 = 0;
while (cint_0 < 3) {
  if (cint_0 == 0) {
    reset q[0];
  }
  if (cint_0 == 1) {
    reset q[1];
  }
  if (cint_0 == 2) {
    reset q[2];
  }
  cint_0 = cint_0 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
