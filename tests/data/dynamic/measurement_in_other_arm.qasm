OPENQASM 3.0;
qubit[3] q;
bit[1] c;
h q[0];
c[0] = measure q[0];
if (c[0]) {
  c[0] = measure q[1];
} else {
  if (c[0]) {
    x q[2];
  }
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
