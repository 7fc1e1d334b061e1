OPENQASM 3.0;
qubit[3] q;
bit[4] c;
h q[0];
ry(1.2) q[1];
c[0] = measure q[0];
if (c[0]) {
  x q[2];
  c[1] = measure q[2];
} else {
  c[2] = measure q[1];
  if (c[2]) {
  } else {
    h q[2];
    c[3] = measure q[2];
  }
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
