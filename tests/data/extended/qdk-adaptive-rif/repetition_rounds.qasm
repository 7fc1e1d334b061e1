OPENQASM 3.0;
qubit[5] q;
bit[9] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
int cint_4 = 0;
int cint_5 = 0;
int cint_6 = 0;
x q[0];
cnot q[0], q[1];
cnot q[0], q[2];
rx(0.4) q[0];
cnot q[0], q[3];
cnot q[1], q[3];
cnot q[1], q[4];
cnot q[2], q[4];
c[0] = measure q[3];
reset q[3];
c[1] = measure q[4];
reset q[4];
if (c[0] + 2 * c[1] == 1) {
  x q[0];
  cint_2 = 1;
} else {
  if (c[0] + 2 * c[1] == 3) {
    x q[1];
    cint_1 = 1;
  } else {
    if (c[0] + 2 * c[1] == 2) {
      x q[2];
      cint_0 = 1;
    }
    cint_1 = cint_0;
  }
  cint_2 = cint_1;
}
rx(0.8) q[1];
cnot q[0], q[3];
cnot q[1], q[3];
cnot q[1], q[4];
cnot q[2], q[4];
c[2] = measure q[3];
reset q[3];
c[3] = measure q[4];
reset q[4];
if (c[2] + 2 * c[3] == 1) {
  x q[0];
  cint_4 = cint_2 + 1;
} else {
  if (c[2] + 2 * c[3] == 3) {
    x q[1];
    cint_3 = cint_2 + 1;
  } else {
    if (c[2] + 2 * c[3] == 2) {
      x q[2];
      cint_2 = cint_2 + 1;
    }
    cint_3 = cint_2;
  }
  cint_4 = cint_3;
}
rx(1.2000000000000002) q[2];
cnot q[0], q[3];
cnot q[1], q[3];
cnot q[1], q[4];
cnot q[2], q[4];
c[4] = measure q[3];
reset q[3];
c[5] = measure q[4];
reset q[4];
if (c[4] + 2 * c[5] == 1) {
  x q[0];
  cint_6 = cint_4 + 1;
} else {
  if (c[4] + 2 * c[5] == 3) {
    x q[1];
    cint_5 = cint_4 + 1;
  } else {
    if (c[4] + 2 * c[5] == 2) {
      x q[2];
      cint_4 = cint_4 + 1;
    }
    cint_5 = cint_4;
  }
  cint_6 = cint_5;
}
c[6] = measure q[0];
reset q[0];
c[7] = measure q[1];
reset q[1];
c[8] = measure q[2];
reset q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
