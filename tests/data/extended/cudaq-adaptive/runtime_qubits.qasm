OPENQASM 3.0;
qubit[7] q;
bit[7] c;
int cint_0 = 0;
h q[1];
cnot q[1], q[2];
c[0] = measure q[1];
c[1] = measure q[2];
h q[3];
cnot q[3], q[4];
c[2] = measure q[3];
c[3] = measure q[4];
cint_0 = c[0] == c[1];
if (c[2] == c[3]) {
  cint_0 = (c[0] == c[1]) + 1;
}
h q[5];
cnot q[5], q[6];
c[4] = measure q[5];
c[5] = measure q[6];
if (c[4] == c[5]) {
  cint_0 = cint_0 + 1;
}
if (cint_0 == 3) {
  x q[0];
}
c[6] = measure q[0];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
