OPENQASM 3.0;
qubit[3] q;
bit[3] c;
int cint_0 = 0;
h q[0];
ry(1.2) q[1];
x q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
if (c[0]) {
  cint_0 = 1;
}
if (c[1]) {
  cint_0 = cint_0 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
