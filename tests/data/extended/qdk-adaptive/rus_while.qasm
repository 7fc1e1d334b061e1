OPENQASM 3.0;
qubit[2] q;
bit[2] c;
int cint_0 = 0;
bool cbool_0 = false;
bool cbool_1 = false;
while (!cbool_0 == 1 && cint_0 < 8) {
  h q[0];
  t q[0];
  cnot q[0], q[1];
  h q[0];
  c[0] = measure q[0];
  reset q[0];
  if (c[0] == 0) {
    cbool_1 = true;
  } else {
    reset q[1];
    cbool_1 = cbool_0;
  }
  cint_0 = cint_0 + 1;
  cbool_0 = cbool_1;
}
c[1] = measure q[1];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
