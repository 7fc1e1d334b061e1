OPENQASM 3.0;
qubit[3] q;
bit[2] m = "00";
bit[1] out = "0";
ry(0.7) q[0];
h q[1];
rz(0.3) q[0];
cnot q[1], q[2];
cnot q[0], q[1];
m[1] = measure q[1];
h q[0];
m[0] = measure q[0];
if (m[1]) {
  x q[2];
}
if (m[0]) {
  z q[2];
}
rz(12.266370614359172) q[2];
ry(11.866370614359171) q[2];
out[0] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
