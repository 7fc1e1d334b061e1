OPENQASM 3.0;
qubit[3] q;
bit[3] c;
h q[0];
barrier q;
cnot q[0], q[1];
barrier q[1], q[0];
x q[2];
barrier q[2], q[0];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
