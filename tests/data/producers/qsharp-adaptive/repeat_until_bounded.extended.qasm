OPENQASM 3.0;
qubit[2] q;
bit[4] c;
bool cbool_0 = false;
bool cbool_1 = false;
ry(1.0) q[0];
c[0] = measure q[0];
reset q[0];
if (c[0] == 0) {
  ry(1.0) q[0];
  c[1] = measure q[0];
  reset q[0];
  cbool_0 = c[1] == 1;
} else {
  cbool_0 = c[0] == 1;
}
if (!cbool_0) {
  ry(1.0) q[0];
  c[2] = measure q[0];
  reset q[0];
  cbool_1 = c[2] == 1;
} else {
  cbool_1 = cbool_0;
}
if (cbool_1) {
  x q[1];
}
c[3] = measure q[1];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
