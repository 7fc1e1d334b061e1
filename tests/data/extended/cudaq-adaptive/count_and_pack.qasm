OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
int cint_4 = 0;
ry(0.3) q[0];
ry(0.6) q[1];
ry(0.8999999999999999) q[2];
ry(1.2) q[3];
ry(1.5) q[4];
c[0] = measure q[0];
c[1] = measure q[1];
cint_0 = c[0];
cint_1 = c[0] * 2;
if (c[1]) {
  cint_0 = c[0] + 1;
  cint_1 = c[0] * 2 + 1;
}
c[2] = measure q[2];
cint_2 = cint_1 * 2;
if (c[2]) {
  cint_0 = cint_0 + 1;
  cint_2 = cint_1 * 2 + 1;
}
c[3] = measure q[3];
cint_3 = cint_2 * 2;
if (c[3]) {
  cint_0 = cint_0 + 1;
  cint_3 = cint_2 * 2 + 1;
}
c[4] = measure q[4];
cint_4 = cint_3 * 2;
if (c[4]) {
  cint_0 = cint_0 + 1;
  cint_4 = cint_3 * 2 + 1;
}
if (cint_0 % 2 == 1) {
  z q[5];
}
if (cint_4 <= 20 == 0 && cint_0 < 4) {
  x q[5];
} else {
  if (cint_4 == 3) {
    h q[5];
  }
}
c[5] = measure q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
