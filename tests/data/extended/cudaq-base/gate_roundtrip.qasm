OPENQASM 3.0;
qubit[3] q;
bit[3] c;
x q[0];
rz(0.6) q[1];
ry(0.4) q[1];
rz(0.5) q[1];
rz(-0.5) q[1];
ry(-0.4) q[1];
rz(-0.6) q[1];
x q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
