OPENQASM 3.0;
qubit[5] q;
bit[3] c;
rx(0.9) q[0];
h q[1];
cnot q[1], q[2];
cnot q[0], q[1];
h q[0];
c[0] = measure q[1];
reset q[1];
if (c[0]) {
  x q[2];
}
c[1] = measure q[0];
reset q[0];
if (c[1]) {
  z q[2];
}
h q[3];
cnot q[3], q[4];
cnot q[2], q[3];
h q[2];
c[0] = measure q[3];
reset q[3];
if (c[0]) {
  x q[4];
}
c[1] = measure q[2];
reset q[2];
if (c[1]) {
  z q[4];
}
rx(-0.9) q[4];
c[2] = measure q[4];
reset q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
