OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
bool cbool_1 = false;
bool cbool_2 = false;
bool cbool_3 = false;
bool cbool_4 = false;
ry(0.3) q[0];
ry(0.6) q[1];
ry(0.8999999999999999) q[2];
ry(1.2) q[3];
ry(1.5) q[4];
c[0] = measure q[0];
reset q[0];
c[1] = measure q[1];
reset q[1];
c[2] = measure q[2];
reset q[2];
c[3] = measure q[3];
reset q[3];
c[4] = measure q[4];
reset q[4];
if (c[0]) {
  cint_0 = 1;
}
if (c[1]) {
  cint_0 = cint_0 + 2;
}
if (c[2]) {
  cint_0 = cint_0 + 4;
}
if (c[3]) {
  cint_0 = cint_0 + 8;
}
if (c[4]) {
  cint_0 = cint_0 + 16;
}
if (c[0]) {
  cint_1 = 1;
  cbool_0 = true;
} else {
  cbool_0 = false;
}
if (c[1]) {
  cint_1 = cint_1 + 1;
  cbool_1 = !cbool_0;
} else {
  cbool_1 = cbool_0;
}
if (c[2]) {
  cint_1 = cint_1 + 1;
  cbool_2 = !cbool_1;
} else {
  cbool_2 = cbool_1;
}
if (c[3]) {
  cint_1 = cint_1 + 1;
  cbool_3 = !cbool_2;
} else {
  cbool_3 = cbool_2;
}
if (c[4]) {
  cint_1 = cint_1 + 1;
  cbool_4 = !cbool_3;
} else {
  cbool_4 = cbool_3;
}
if (cint_0 % 3 == 1) {
  x q[5];
} else {
  if (cint_0 >= 20 && cint_1 <= 3) {
    h q[5];
  }
}
c[5] = measure q[5];
reset q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
