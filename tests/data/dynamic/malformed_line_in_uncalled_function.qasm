OPENQASM 3.0;
qubit[1] q;
bit[1] c;
h q[0];
c[0] = measure q[0];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
