OPENQASM 3.0;
qubit[2] q;
bit[6] c;
bool cbool_0 = false;
int cint_0 = 1;
bool cbool_1 = false;
bool cbool_2 = false;
bool cbool_3 = false;
ry(0.8) q[0];
c[0] = measure q[0];
reset q[0];
if (c[0] == 0) {
  ry(0.8) q[0];
  c[1] = measure q[0];
  reset q[0];
  cint_0 = 2;
  cbool_0 = c[1] == 1;
} else {
  cbool_0 = c[0] == 1;
}
if (!cbool_0) {
  ry(0.8) q[0];
  c[2] = measure q[0];
  reset q[0];
  cint_0 = cint_0 + 1;
  cbool_1 = c[2] == 1;
} else {
  cbool_1 = cbool_0;
}
if (!cbool_1) {
  ry(0.8) q[0];
  c[3] = measure q[0];
  reset q[0];
  cint_0 = cint_0 + 1;
  cbool_2 = c[3] == 1;
} else {
  cbool_2 = cbool_1;
}
if (!cbool_2) {
  ry(0.8) q[0];
  c[4] = measure q[0];
  reset q[0];
  cint_0 = cint_0 + 1;
  cbool_3 = c[4] == 1;
} else {
  cbool_3 = cbool_2;
}
if (cbool_3) {
  x q[1];
}
c[5] = measure q[1];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
