OPENQASM 3.0;
qubit[4] q;
bit[4] c;
int cint_0 = 0;
h q[0];
h q[1];
ry(1.0) q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
if ((2 * (2 * (0 + c[0]) + c[1]) + c[2]) - 2 > 2) {
  x q[3];
}
c[3] = measure q[3];
cint_0 = 0;
while (cint_0 < 4) {
  if (cint_0 == 0) {
    reset q[0];
  }
  if (cint_0 == 1) {
    reset q[1];
  }
  if (cint_0 == 2) {
    reset q[2];
  }
  if (cint_0 == 3) {
    reset q[3];
  }
  cint_0 = cint_0 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
