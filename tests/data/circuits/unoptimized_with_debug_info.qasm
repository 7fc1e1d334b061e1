OPENQASM 3.0;
qubit[7] q;
bit[4] c;
h q[5];
cnot q[5], q[6];
swap q[6], q[2];
c[3] = measure q[2];
c[0] = measure q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
