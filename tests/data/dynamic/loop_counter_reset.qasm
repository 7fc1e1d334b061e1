OPENQASM 3.0;
qubit[3] q;
bit[2] c = "00";
int cint_0 = 0;
while (c[0]) {
  cint_0 = 0;
  if (c[1]) {
    h q[0];
    cint_0 = 1;
  }
  if (cint_0 == 1) {
    x q[2];
  }
  c[0] = measure q[0];
}
// generated-by: {"name":"brintavel","version":"0.2.0"}
