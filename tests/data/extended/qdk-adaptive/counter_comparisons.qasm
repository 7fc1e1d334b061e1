OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
int cint_1 = 0;
h q[0];
ry(1.4) q[1];
ry(0.7) q[2];
c[0] = measure q[0];
if (c[0]) {
  cint_0 = 0 + 1;
}
c[1] = measure q[1];
if (c[1]) {
  cint_0 = cint_0 + 2;
}
c[2] = measure q[2];
if (c[2]) {
  cint_0 = cint_0 + 3;
}
if (cint_0 == 3) {
  x q[3];
}
if (cint_0 > 3) {
  x q[4];
}
if (cint_0 != 0 && cint_0 < 5) {
  h q[5];
}
c[3] = measure q[3];
c[4] = measure q[4];
c[5] = measure q[5];
cint_1 = 0;
while (cint_1 < 6) {
  if (cint_1 == 0) {
    reset q[0];
  }
  if (cint_1 == 1) {
    reset q[1];
  }
  if (cint_1 == 2) {
    reset q[2];
  }
  if (cint_1 == 3) {
    reset q[3];
  }
  if (cint_1 == 4) {
    reset q[4];
  }
  if (cint_1 == 5) {
    reset q[5];
  }
  cint_1 = cint_1 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
