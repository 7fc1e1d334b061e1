OPENQASM 3.0;
qubit[3] q;
bit[3] c;
reset q[0];
ry(1.0) q[0];
c[0] = measure q[0];
while (c[0] == 0) {
  reset q[0];
  ry(1.0) q[0];
  c[0] = measure q[0];
}
reset q[1];
h q[1];
x q[2];
c[1] = measure q[1];
while (c[1]) {
  reset q[1];
  h q[1];
  x q[2];
  c[1] = measure q[1];
}
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
