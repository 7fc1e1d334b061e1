OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
int cint_2 = 0;
h q[0];
cint_0 = 1;
if (cint_0 <= 5) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  if (cint_0 == 1) {
    cnot q[0], q[1];
  }
  if (cint_0 == 2) {
    cnot q[1], q[2];
  }
  if (cint_0 == 3) {
    cnot q[2], q[3];
  }
  if (cint_0 == 4) {
    cnot q[3], q[4];
  }
  if (cint_0 == 5) {
    cnot q[4], q[5];
  }
  cint_0 = cint_0 + 1;
  if (cint_0 <= 5) {
    cbool_0 = true;
  } else {
    cbool_0 = false;
  }
}
c[0] = measure q[0];
reset q[0];
c[1] = measure q[1];
reset q[1];
c[2] = measure q[2];
reset q[2];
c[3] = measure q[3];
reset q[3];
c[4] = measure q[4];
reset q[4];
c[5] = measure q[5];
reset q[5];
cint_1 = 0;
cint_2 = 0;
while (cint_2 < 6) {
  if (cint_2 == 0 && c[0] == 1 || cint_2 == 1 && c[1] == 1 || cint_2 == 2 && c[2] == 1 || cint_2 == 3 && c[3] == 1 || cint_2 == 4 && c[4] == 1 || cint_2 == 5 && c[5] == 1) {
    cint_1 = cint_1 + 1;
  }
  cint_2 = cint_2 + 1;
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
