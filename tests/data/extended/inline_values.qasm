OPENQASM 3.0;
qubit[5] q;
bit[5] c = "00000";
h q[0];
cnot q[0], q[1];
c[0] = measure q[0];
if (c[0]) {
  x q[2];
}
if (true) {
  x q[3];
}
barrier q[3], q[2];
if (c[0]) {
  c[1] = measure q[1];
}
if ((c[0] == 1 && c[1] == 1) == 0 == 1) {
  x q[4];
}
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
