OPENQASM 3.0;
qubit[8] q;
bit[5] c;
y q[7];
c[4] = measure q[7];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
