OPENQASM 3.0;
qubit[2] q;
bit[2] c;
bool cbool_0 = false;
int cint_0 = 0;
while (!cbool_0 && cint_0 < 5) {
  h q[0];
  t q[0];
  h q[0];
  c[0] = measure q[0];
  if (c[0]) {
    cbool_0 = true;
    cint_0 = cint_0 + 1;
  } else {
    reset q[0];
    cint_0 = cint_0 + 1;
  }
}
if (cbool_0) {
  x q[1];
}
c[1] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
