OPENQASM 3.0;
qubit[2] q;
bit[4] c;
h q[0];
cnot q[0], q[1];
ry(0.3) q[1];
c[0] = measure q[0];
if (c[0]) {
  x q[0];
}
c[1] = measure q[1];
if (c[1]) {
  x q[1];
}
c[2] = measure q[0];
c[3] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
