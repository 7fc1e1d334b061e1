OPENQASM 3.0;
qubit[5] q;
bit[5] c;
h q[0];
ry(1.0) q[1];
ry(2.0) q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
if (c[0] == 1 && c[1] == 1) {
  x q[3];
}
if (c[1] == 0 || c[2] == 1) {
  x q[4];
}
if (c[0] == 1 && c[1] == 0 || c[2] == 0) {
  ry(0.9) q[3];
}
c[3] = measure q[3];
c[4] = measure q[4];
reset q[0];
reset q[1];
reset q[2];
reset q[3];
reset q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
