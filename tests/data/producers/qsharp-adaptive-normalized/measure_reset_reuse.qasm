OPENQASM 3.0;
qubit[2] q;
bit[5] c;
ry(2.0) q[0];
c[0] = measure q[0];
reset q[0];
if (c[0]) {
  h q[0];
}
c[1] = measure q[0];
reset q[0];
ry(0.7) q[1];
cnot q[1], q[0];
c[2] = measure q[0];
reset q[0];
if (c[2] == 0) {
  x q[0];
}
c[3] = measure q[0];
reset q[0];
c[4] = measure q[1];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
