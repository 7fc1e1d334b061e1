OPENQASM 3.0;
qubit[2] q;
bit[3] c;
float[64] cfloat_0 = 0.0;
float[64] cfloat_1 = 0.0;
x q[1];
h q[0];
cphaseshift(15.707963267948966) q[0], q[1];
rz(0.0) q[0];
h q[0];
c[0] = measure q[0];
if (c[0]) {
  x q[0];
  cfloat_0 = 0.125;
} else {
  cfloat_0 = 0.0;
}
h q[0];
cphaseshift(7.853981633974483) q[0], q[1];
if (c[0] == 1) {
  rz(-1.5707963267948966) q[0];
}
h q[0];
c[1] = measure q[0];
if (c[1]) {
  x q[0];
  cfloat_1 = 0.25;
  if (c[0] == 1) {
    cfloat_1 = 0.375;
  }
} else {
  cfloat_1 = cfloat_0;
}
h q[0];
cphaseshift(3.9269908169872414) q[0], q[1];
if (c[0] == 1 && c[1] == 0) {
  rz(-0.7853981633974483) q[0];
}
if (c[0] == 0 && c[1] == 1) {
  rz(-1.5707963267948966) q[0];
}
if (c[0] == 1 && c[1] == 1) {
  rz(-2.356194490192345) q[0];
}
h q[0];
c[2] = measure q[0];
if (c[2]) {
  x q[0];
}
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
