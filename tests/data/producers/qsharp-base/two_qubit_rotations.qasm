OPENQASM 3.0;
qubit[3] q;
bit[3] c;
xx(0.8) q[0], q[1];
ry(0.5) q[2];
yy(-1.3) q[1], q[2];
h q[0];
zz(2.1) q[0], q[2];
h q[0];
rx(0.4) q[1];
xx(-0.35) q[2], q[0];
s q[1];
yy(0.9) q[0], q[1];
zz(-0.6) q[1], q[2];
h q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
