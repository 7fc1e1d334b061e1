OPENQASM 3.0;
qubit[3] q;
bit[3] c;
ry(0.7) q[0];
h q[1];
rz(0.3) q[0];
cnot q[1], q[2];
cnot q[0], q[1];
c[1] = measure q[1];
h q[0];
c[0] = measure q[0];
if (2 == (((9223372036854775806 + c[0]) / 2) % 2) * c[1] * 2) {
  x q[2];
}
if (1 == c[0]) {
  z q[2];
}
rz(12.266370614359172) q[2];
ry(11.866370614359171) q[2];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
