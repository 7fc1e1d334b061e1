OPENQASM 3.0;
qubit[5] q;
bit[5] c;
int cint_0 = 0;
int cint_1 = 0;
h q[0];
h q[1];
c[0] = measure q[0];
c[1] = measure q[1];
while (cint_0 < c[0] + c[1]) {
  x q[2];
  cint_0 = cint_0 + 1;
}
c[2] = measure q[2];
cint_1 = 0;
if (cint_1 == 0) {
  ry(0.25) q[3];
}
if (cint_1 == 1) {
  ry(0.5) q[3];
}
if (cint_1 == 2) {
  ry(1.0) q[3];
}
if (cint_1 == 3) {
  ry(2.0) q[3];
}
c[3] = measure q[3];
reset q[3];
while (c[3] == 0 && cint_1 + 1 < 4) {
  cint_1 = cint_1 + 1;
  if (cint_1 == 0) {
    ry(0.25) q[3];
  }
  if (cint_1 == 1) {
    ry(0.5) q[3];
  }
  if (cint_1 == 2) {
    ry(1.0) q[3];
  }
  if (cint_1 == 3) {
    ry(2.0) q[3];
  }
  c[3] = measure q[3];
  reset q[3];
}
if (cint_1 + 1 >= 3) {
  x q[4];
}
c[4] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
