OPENQASM 3.0;
qubit[2] q;
bit[3] c;
x q[1];
h q[0];
rz(15.707963267948966) q[0];
h q[0];
c[0] = measure q[0];
reset q[0];
h q[0];
rz(7.853981633974483) q[0];
if (c[0]) {
  rz(-1.5707963267948966) q[0];
}
h q[0];
c[1] = measure q[0];
reset q[0];
h q[0];
rz(3.9269908169872414) q[0];
if (c[0]) {
  rz(-0.7853981633974483) q[0];
}
if (c[1]) {
  rz(-1.5707963267948966) q[0];
}
h q[0];
c[2] = measure q[0];
reset q[0];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
