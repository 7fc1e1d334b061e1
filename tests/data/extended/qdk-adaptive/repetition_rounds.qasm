OPENQASM 3.0;
qubit[5] q;
bit[5] c;
int cint_0 = 0;
int cint_1 = 0;
bool cbool_0 = false;
int cint_2 = 0;
int cint_3 = 0;
x q[0];
cnot q[0], q[1];
cnot q[0], q[2];
if (cint_1 <= 2) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  if (cint_1 == 0) {
    rx(0.4) q[0];
  }
  if (cint_1 == 1) {
    rx(0.8) q[1];
  }
  if (cint_1 == 2) {
    rx(1.2000000000000002) q[2];
  }
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
    cint_2 = cint_0 + 1;
  } else {
    if (c[0] + 2 * c[1] == 3) {
      x q[1];
      cint_3 = cint_0 + 1;
    } else {
      if (c[0] + 2 * c[1] == 2) {
        x q[2];
        cint_0 = cint_0 + 1;
      }
      cint_3 = cint_0;
    }
    cint_2 = cint_3;
  }
  cint_0 = cint_2;
  cint_1 = cint_1 + 1;
  if (cint_1 <= 2) {
    cbool_0 = true;
  } else {
    cbool_0 = false;
  }
}
c[2] = measure q[0];
reset q[0];
c[3] = measure q[1];
reset q[1];
c[4] = measure q[2];
reset q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
