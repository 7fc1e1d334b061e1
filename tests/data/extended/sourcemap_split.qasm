OPENQASM 3.0;
qubit[4] q;
bit[2] c;
h q[0];
c[0] = measure q[0];
reset q[0];
if (c[0]) {
  x q[1];
  x q[2];
}
ccnot q[1], q[2], q[3];
c[1] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
