OPENQASM 3.0;
qubit[3] q;
bit[2] c = "00";
h q[0];
c[0] = measure q[0];
if (c[0]) {
  h q[1];
  c[1] = measure q[1];
}
if (c[0] == 1 && c[1] == 1) {
  x q[2];
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
