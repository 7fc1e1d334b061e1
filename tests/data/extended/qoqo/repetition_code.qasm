OPENQASM 3.0;
qubit[5] q;
bit[3] c;
x q[0];
cnot q[0], q[1];
cnot q[0], q[2];
rx(0.8) q[1];
cnot q[0], q[3];
cnot q[1], q[3];
cnot q[1], q[4];
cnot q[2], q[4];
c[0] = measure q[3];
c[1] = measure q[4];
if (c[0]) {
  x q[0];
}
if (c[1]) {
  x q[2];
}
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
