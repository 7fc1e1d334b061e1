OPENQASM 3.0;
qubit[4] q;
bit[4] c;
h q[0];
cnot q[0], q[1];
ccnot q[0], q[1], q[2];
cy q[2], q[3];
inv @ cz q[3], q[0];
cswap q[0], q[1], q[2];
cnot q[0], q[3];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
c[3] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
