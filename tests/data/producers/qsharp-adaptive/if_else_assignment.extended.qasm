OPENQASM 3.0;
qubit[2] q;
bit[3] c;
int cint_0 = 0;
h q[0];
c[0] = measure q[0];
if (c[0]) {
  cint_0 = 3;
} else {
  cint_0 = 7;
}
if (cint_0 > 5) {
  x q[1];
}
c[1] = measure q[0];
c[2] = measure q[1];
reset q[0];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
