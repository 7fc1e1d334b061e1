OPENQASM 3.0;
qubit[3] q;
bit[3] c;
ry(1.9) q[0];
c[0] = measure q[0];
if (c[0]) {
  x q[1];
  h q[2];
}
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
