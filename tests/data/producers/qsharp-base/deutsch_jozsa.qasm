OPENQASM 3.0;
qubit[4] q;
bit[3] c;
x q[3];
h q[3];
h q[0];
h q[1];
h q[2];
cnot q[0], q[3];
cnot q[2], q[3];
h q[0];
h q[1];
h q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
