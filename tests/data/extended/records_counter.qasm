OPENQASM 3.0;
qubit[2] q;
bit[1] c;
int cint_0 = 0;
h q[0];
c[0] = measure q[0];
ry(1.0) q[1];
c[0] = measure q[1];
reset q[1];
while (c[0] == 0 && cint_0 + 1 < 3) {
  cint_0 = cint_0 + 1;
  ry(1.0) q[1];
  c[0] = measure q[1];
  reset q[1];
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
