OPENQASM 3.0;
qubit[6] q;
bit[5] c;
x q[5];
h q[5];
h q[0];
h q[1];
h q[2];
h q[3];
h q[4];
if (1 == 1) {
  cnot q[0], q[5];
}
if (0 == 1) {
  cnot q[1], q[5];
}
if (1 == 1) {
  cnot q[2], q[5];
}
if (1 == 1) {
  cnot q[3], q[5];
}
if (0 == 1) {
  cnot q[4], q[5];
}
h q[0];
h q[1];
h q[2];
h q[3];
h q[4];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
