OPENQASM 3.0;
qubit[5] q;
bit[5] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
int cint_4 = 0;
int cint_5 = 0;
int cint_6 = 0;
h q[0];
h q[1];
c[0] = measure q[0];
c[1] = measure q[1];
if (c[0]) {
  if (c[1]) {
    cint_0 = 3;
    cbool_0 = true;
    cint_1 = 0;
  } else {
    cint_0 = 5;
    cbool_0 = false;
    cint_1 = 1;
  }
} else {
  cint_0 = 7;
  cbool_0 = c[1] == 1;
  cint_1 = 2;
}
if (cint_1 == 0) {
  ry(0.5) q[2];
}
if (cint_1 == 1) {
  ry(1.5) q[2];
}
if (cint_1 == 2) {
  ry(2.5) q[2];
}
if (cbool_0) {
  cint_0 = cint_0 * 2;
}
if (cint_0 >= 6) {
  x q[3];
  cint_2 = 1;
  cint_3 = 2;
  cint_4 = 0;
} else {
  cint_2 = 1;
  cint_3 = 2;
  cint_4 = 0;
}
while (cint_4 + 1 < cint_0) {
  cint_5 = cint_3;
  cint_6 = cint_2;
  cint_2 = cint_5;
  cint_3 = cint_6;
  cint_4 = cint_4 + 1;
}
if (cint_2 == 2) {
  x q[4];
}
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
