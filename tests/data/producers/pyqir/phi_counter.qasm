OPENQASM 3.0;
qubit[4] q;
bit[4] c;
int cint_0 = 0;
ry(1.5) q[0];
c[0] = measure q[0];
ry(2.0) q[1];
c[1] = measure q[1];
ry(0.7) q[2];
c[2] = measure q[2];
if (c[0]) {
  cint_0 = 1;
}
if (c[1]) {
  cint_0 = cint_0 + 2;
}
if (c[2]) {
  cint_0 = cint_0 + 3;
}
if (cint_0 == 3) {
  x q[3];
}
c[3] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
