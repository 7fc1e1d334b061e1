OPENQASM 3.0;
qubit[8] q;
bit[8] c;
int cint_0 = 0;
h q[0];
h q[1];
h q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
if (c[0] + c[1] + c[2] == 0) {
  rx(0.25) q[3];
}
if (c[0] + c[1] + c[2] == 1) {
  rx(0.75) q[3];
}
if (c[0] + c[1] + c[2] == 2) {
  rx(1.25) q[3];
}
if (c[0] + c[1] + c[2] == 3) {
  rx(1.75) q[3];
}
if (c[0] + c[1] + c[2] == 0) {
  ry(-0.125) q[4];
}
if (c[0] + c[1] + c[2] == 1) {
  ry(0.125) q[4];
}
if (c[0] + c[1] + c[2] == 2) {
  ry(0.375) q[4];
}
if (c[0] + c[1] + c[2] == 3) {
  ry(0.625) q[4];
}
if (c[2] == 0 && c[1] == 0 && c[0] == 0 || c[2] == 1 && c[1] == 0 && c[0] == 0 || c[2] == 0 && c[1] == 1 && c[0] == 0 || c[2] == 1 && c[1] == 1 && c[0] == 0) {
  ry(3.0) q[5];
}
if (c[2] == 0 && c[1] == 0 && c[0] == 1) {
  ry(0.75) q[5];
}
if (c[2] == 1 && c[1] == 0 && c[0] == 1 || c[2] == 0 && c[1] == 1 && c[0] == 1) {
  ry(1.25) q[5];
}
if (c[2] == 1 && c[1] == 1 && c[0] == 1) {
  ry(1.75) q[5];
}
if (c[0] + c[1] + c[2] >= 2) {
  x q[6];
}
cint_0 = 0;
if (c[0] + c[1] + c[2] >= 2) {
  cint_0 = 1;
}
if (cint_0 == 1 && (c[0] + c[1] + c[2] == 0 || c[0] + c[1] + c[2] >= 2)) {
  x q[7];
}
c[3] = measure q[3];
c[4] = measure q[4];
c[5] = measure q[5];
c[6] = measure q[6];
c[7] = measure q[7];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
