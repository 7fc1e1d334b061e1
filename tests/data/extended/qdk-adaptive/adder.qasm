OPENQASM 3.0;
qubit[10] q;
bit[4] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
int cint_2 = 0;
x q[0];
x q[2];
x q[3];
x q[4];
if (cint_0 <= 2) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  if (cint_0 == 0) {
    ccnot q[0], q[3], q[8];
  }
  if (cint_0 == 1) {
    ccnot q[1], q[4], q[9];
  }
  if (cint_0 == 2) {
    ccnot q[2], q[5], q[6];
  }
  if (cint_0 == 0) {
    cnot q[0], q[3];
  }
  if (cint_0 == 1) {
    cnot q[1], q[4];
  }
  if (cint_0 == 2) {
    cnot q[2], q[5];
  }
  if (cint_0 == 0) {
    ccnot q[7], q[3], q[8];
  }
  if (cint_0 == 1) {
    ccnot q[8], q[4], q[9];
  }
  if (cint_0 == 2) {
    ccnot q[9], q[5], q[6];
  }
  cint_0 = cint_0 + 1;
  if (cint_0 <= 2) {
    cbool_0 = true;
  } else {
    cbool_0 = false;
  }
}
cnot q[2], q[5];
cnot q[2], q[5];
cnot q[9], q[5];
cint_1 = 1;
while (cint_1 >= 0) {
  if (cint_1 == -1) {
    ccnot q[9], q[6], q[7];
  }
  if (cint_1 == 0) {
    ccnot q[7], q[3], q[8];
  }
  if (cint_1 == 1) {
    ccnot q[8], q[4], q[9];
  }
  if (cint_1 == -1) {
    cnot q[2], q[6];
  }
  if (cint_1 == 0) {
    cnot q[0], q[3];
  }
  if (cint_1 == 1) {
    cnot q[1], q[4];
  }
  if (cint_1 == -1) {
    ccnot q[2], q[6], q[7];
  }
  if (cint_1 == 0) {
    ccnot q[0], q[3], q[8];
  }
  if (cint_1 == 1) {
    ccnot q[1], q[4], q[9];
  }
  if (cint_1 == -1) {
    cnot q[2], q[6];
  }
  if (cint_1 == 0) {
    cnot q[0], q[3];
  }
  if (cint_1 == 1) {
    cnot q[1], q[4];
  }
  if (cint_1 == -1) {
    cnot q[9], q[6];
  }
  if (cint_1 == 0) {
    cnot q[7], q[3];
  }
  if (cint_1 == 1) {
    cnot q[8], q[4];
  }
  cint_1 = cint_1 + -1;
}
c[0] = measure q[3];
reset q[3];
c[1] = measure q[4];
reset q[4];
c[2] = measure q[5];
reset q[5];
c[3] = measure q[6];
reset q[6];
cint_2 = 0;
while (cint_2 < 6) {
  if (cint_2 == 0) {
    reset q[0];
  }
  if (cint_2 == 1) {
    reset q[1];
  }
  if (cint_2 == 2) {
    reset q[2];
  }
  if (cint_2 == 3) {
    reset q[7];
  }
  if (cint_2 == 4) {
    reset q[8];
  }
  if (cint_2 == 5) {
    reset q[9];
  }
  cint_2 = cint_2 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
