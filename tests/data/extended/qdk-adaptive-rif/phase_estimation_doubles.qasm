OPENQASM 3.0;
qubit[2] q;
bit[4] c;
int cint_0 = 0;
x q[1];
h q[0];
rz(17.27875959474386) q[1];
cnot q[0], q[1];
rz(-17.27875959474386) q[1];
cnot q[0], q[1];
rz(17.27875959474386) q[0];
rz(-0.0) q[0];
h q[0];
c[0] = measure q[0];
reset q[0];
if (c[0]) {
  cint_0 = 1;
}
h q[0];
rz(8.63937979737193) q[1];
cnot q[0], q[1];
rz(-8.63937979737193) q[1];
cnot q[0], q[1];
rz(8.63937979737193) q[0];
if (c[0] == 1) {
  rz(-1.5707963267948966) q[0];
}
h q[0];
c[1] = measure q[0];
reset q[0];
if (c[1]) {
  cint_0 = cint_0 + 2;
}
h q[0];
rz(4.319689898685965) q[1];
cnot q[0], q[1];
rz(-4.319689898685965) q[1];
cnot q[0], q[1];
rz(4.319689898685965) q[0];
if (c[0] == 1) {
  rz(-0.7853981633974483) q[0];
}
if (c[1] == 1) {
  rz(-1.5707963267948966) q[0];
}
h q[0];
c[2] = measure q[0];
reset q[0];
if (c[2]) {
  cint_0 = cint_0 + 4;
}
h q[0];
rz(2.1598449493429825) q[1];
cnot q[0], q[1];
rz(-2.1598449493429825) q[1];
cnot q[0], q[1];
rz(2.1598449493429825) q[0];
if (c[0] == 1) {
  rz(-0.39269908169872414) q[0];
}
if (c[1] == 1) {
  rz(-0.7853981633974483) q[0];
}
if (c[2] == 1) {
  rz(-1.5707963267948966) q[0];
}
h q[0];
c[3] = measure q[0];
reset q[0];
if (c[3]) {
  cint_0 = cint_0 + 8;
}
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
