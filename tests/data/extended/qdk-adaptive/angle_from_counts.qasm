OPENQASM 3.0;
qubit[5] q;
bit[5] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
while (cint_0 < 4) {
  if (cint_0 == 0) {
    h q[0];
  }
  if (cint_0 == 1) {
    h q[1];
  }
  if (cint_0 == 2) {
    h q[2];
  }
  if (cint_0 == 3) {
    h q[3];
  }
  cint_0 = cint_0 + 1;
}
c[0] = measure q[0];
reset q[0];
c[1] = measure q[1];
reset q[1];
c[2] = measure q[2];
reset q[2];
c[3] = measure q[3];
reset q[3];
cint_1 = 0;
cint_2 = 0;
while (cint_2 < 4) {
  if (cint_2 == 0 && c[0] == 1 || cint_2 == 1 && c[1] == 1 || cint_2 == 2 && c[2] == 1 || cint_2 == 3 && c[3] == 1) {
    cint_1 = cint_1 + 1;
  }
  cint_2 = cint_2 + 1;
}
if (cint_1 == 0) {
  ry(3.141592653589793) q[4];
}
if (cint_1 == 1) {
  ry(1.6707963267948966) q[4];
}
if (cint_1 == 2) {
  ry(1.188618907433907) q[4];
}
if (cint_1 == 3) {
  ry(0.958603244154336) q[4];
}
if (cint_1 == 4) {
  ry(0.8283185307179586) q[4];
}
c[4] = measure q[4];
reset q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
