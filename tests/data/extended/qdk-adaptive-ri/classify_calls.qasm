OPENQASM 3.0;
qubit[5] q;
bit[5] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
int cint_4 = 0;
int cint_5 = 0;
h q[0];
ry(1.2) q[1];
h q[2];
cnot q[2], q[3];
c[0] = measure q[0];
reset q[0];
c[1] = measure q[1];
reset q[1];
if (c[0] == 1 && c[1] == 1) {
  cint_2 = 3;
} else {
  if (c[0]) {
    cint_1 = 2;
  } else {
    if (c[1]) {
      cint_0 = 1;
    }
    cint_1 = cint_0;
  }
  cint_2 = cint_1;
}
c[2] = measure q[2];
reset q[2];
c[3] = measure q[3];
reset q[3];
if (c[2] == 1 && c[3] == 1) {
  cint_5 = 3;
} else {
  if (c[2]) {
    cint_4 = 2;
  } else {
    if (c[3]) {
      cint_3 = 1;
    }
    cint_4 = cint_3;
  }
  cint_5 = cint_4;
}
if (cint_2 + cint_5 > 3) {
  x q[4];
} else {
  if (cint_2 == cint_5) {
    h q[4];
  }
}
c[4] = measure q[4];
reset q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
