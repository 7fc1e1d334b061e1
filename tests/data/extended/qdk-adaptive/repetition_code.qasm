OPENQASM 3.0;
qubit[5] q;
bit[5] c;
x q[0];
cnot q[0], q[1];
cnot q[0], q[2];
rx(1.0) q[1];
cnot q[0], q[3];
cnot q[1], q[3];
cnot q[1], q[4];
cnot q[2], q[4];
c[0] = measure q[3];
reset q[3];
c[1] = measure q[4];
reset q[4];
if (c[0] == 1 && c[1] == 0) {
  x q[0];
}
if (c[0] == 1 && c[1] == 1) {
  x q[1];
}
if (c[0] == 0 && c[1] == 1) {
  x q[2];
}
cnot q[0], q[2];
cnot q[0], q[1];
c[2] = measure q[0];
reset q[0];
c[3] = measure q[1];
reset q[1];
c[4] = measure q[2];
reset q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
