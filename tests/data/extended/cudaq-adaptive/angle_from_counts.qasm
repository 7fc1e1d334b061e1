OPENQASM 3.0;
qubit[4] q;
bit[4] c;
int cint_0 = 0;
h q[0];
h q[1];
h q[2];
c[0] = measure q[0];
c[1] = measure q[1];
cint_0 = c[0];
if (c[1]) {
  cint_0 = c[0] + 1;
}
c[2] = measure q[2];
if (c[2]) {
  cint_0 = cint_0 + 1;
}
if (c[0] == 0 && c[1] == 0 && c[2] == 0) {
  ry(3.141592653589793) q[3];
}
if (c[0] == 1 && c[1] == 0 && c[2] == 0 || c[0] == 0 && c[1] == 1 && c[2] == 0 || c[0] == 0 && c[1] == 0 && c[2] == 1) {
  ry(1.6707963267948966) q[3];
}
if (c[0] == 1 && c[1] == 1 && c[2] == 0 || c[0] == 1 && c[1] == 0 && c[2] == 1 || c[0] == 0 && c[1] == 1 && c[2] == 1) {
  ry(1.2471975511965976) q[3];
}
if (c[0] == 1 && c[1] == 1 && c[2] == 1) {
  ry(1.0853981633974483) q[3];
}
c[3] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
