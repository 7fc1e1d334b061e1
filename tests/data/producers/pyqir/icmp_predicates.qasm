OPENQASM 3.0;
qubit[7] q;
bit[7] c;
h q[0];
ry(1.2) q[1];
c[0] = measure q[0];
c[1] = measure q[1];
if (c[0] + 2 * c[1] == 1) {
  x q[2];
}
if (c[0] + 2 * c[1] != 2) {
  x q[3];
  ry(0.6) q[3];
}
if (c[0] + 2 * c[1] < 2) {
  x q[4];
}
if (c[0] + 2 * c[1] <= 1) {
  x q[5];
  ry(1.2) q[5];
}
if (c[0] + 2 * c[1] > 1) {
  x q[6];
}
if (c[0] + 2 * c[1] >= 2) {
  x q[2];
  ry(1.7999999999999998) q[2];
}
if (c[0] + 2 * c[1] < 1) {
  x q[3];
}
if (c[0] + 2 * c[1] <= 2) {
  x q[4];
  ry(2.4) q[4];
}
if (c[0] + 2 * c[1] > 2) {
  x q[5];
}
if (c[0] + 2 * c[1] >= 1) {
  x q[6];
  ry(3.0) q[6];
}
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
c[5] = measure q[5];
c[6] = measure q[6];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
