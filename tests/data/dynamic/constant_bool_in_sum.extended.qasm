OPENQASM 3.0;
qubit[2] q;
bit[2] c;
h q[0];
c[0] = measure q[0];
if (1 + (c[0] < 1) == 1) {
} else {
  x q[1];
}
c[1] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
