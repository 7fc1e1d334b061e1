OPENQASM 3.0;
qubit[4] q;
bit[4] c;
int cint_0 = 0;
int cint_1 = 0;
h q[0];
ry(1.2) q[1];
ry(2.2) q[2];
c[0] = measure q[0];
if (c[0]) {
  cint_0 = 0 + 1;
}
c[1] = measure q[1];
if (c[1]) {
  cint_0 = cint_0 + 1;
}
c[2] = measure q[2];
if (c[2]) {
  cint_0 = cint_0 + 1;
}
if (cint_0 >= 2) {
  x q[3];
}
c[3] = measure q[3];
cint_1 = 0;
while (cint_1 < 4) {
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
  cint_1 = cint_1 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
