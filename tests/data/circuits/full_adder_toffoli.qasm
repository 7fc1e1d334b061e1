OPENQASM 3.0;
qubit[4] q;
bit[2] c;
x q[0];
x q[1];
x q[2];
ccnot q[0], q[1], q[3];
cnot q[0], q[1];
ccnot q[1], q[2], q[3];
cnot q[1], q[2];
cnot q[0], q[1];
c[0] = measure q[2];
c[1] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
