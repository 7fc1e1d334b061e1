OPENQASM 3.0;
qubit[5] q;
bit[5] c;
h q[0];
ry(1.1) q[1];
c[0] = measure q[0];
c[1] = measure q[1];
if (c[0]) {
  x q[2];
} else {
  ry(0.8) q[2];
}
if (c[1]) {
  h q[3];
}
if (c[1]) {
} else {
  x q[4];
  ry(0.5) q[4];
}
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
