OPENQASM 3.0;
qubit[3] q;
bit[3] c;
h q[0];
prx(1.2, 0.4) q[0];
prx(0.8, -1.3) q[1];
h q[1];
ccnot q[0], q[1], q[2];
prx(2.0, 2.5) q[2];
h q[0];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
