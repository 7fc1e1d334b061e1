OPENQASM 3.0;
qubit[2] q;
bit[2] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
bool cbool_1 = false;
bool cbool_2 = false;
cint_1 = 1;
if (cint_1 <= 5) {
  cbool_1 = true;
} else {
  cbool_1 = false;
}
while (cbool_1) {
  if (!cbool_0) {
    ry(0.8) q[0];
    c[0] = measure q[0];
    reset q[0];
    cint_0 = cint_0 + 1;
    cbool_2 = c[0] == 1;
  } else {
    cbool_2 = cbool_0;
  }
  cbool_0 = cbool_2;
  cint_1 = cint_1 + 1;
  if (cint_1 <= 5) {
    cbool_1 = true;
  } else {
    cbool_1 = false;
  }
}
if (cbool_0) {
  x q[1];
}
c[1] = measure q[1];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
