OPENQASM 3.0;
qubit[3] q;
bit[3] c;
ry(1.3) q[0];
rz(0.4) q[0];
h q[1];
cnot q[1], q[2];
cnot q[0], q[1];
h q[0];
cnot q[1], q[2];
cz q[0], q[2];
rz(-0.4) q[2];
ry(-1.3) q[2];
c[0] = measure q[2];
c[1] = measure q[1];
c[2] = measure q[0];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
