OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
h q[0];
cnot q[0], q[1];
cnot q[1], q[2];
cnot q[2], q[3];
cnot q[3], q[4];
cnot q[4], q[5];
c[0] = measure q[0];
reset q[0];
c[1] = measure q[1];
reset q[1];
c[2] = measure q[2];
reset q[2];
c[3] = measure q[3];
reset q[3];
c[4] = measure q[4];
reset q[4];
c[5] = measure q[5];
reset q[5];
if (c[0]) {
  cint_0 = 1;
}
if (c[1]) {
  cint_0 = cint_0 + 1;
}
if (c[2]) {
  cint_0 = cint_0 + 1;
}
if (c[3]) {
  cint_0 = cint_0 + 1;
}
if (c[4]) {
  cint_0 = cint_0 + 1;
}
if (c[5]) {
  cint_0 = cint_0 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
