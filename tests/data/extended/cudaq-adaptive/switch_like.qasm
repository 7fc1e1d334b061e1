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
  cint_0 = c[0] + 2;
}
c[2] = measure q[2];
if (c[2]) {
  cint_0 = cint_0 + 4;
}
if (cint_0 == 0) {
  x q[3];
} else {
  if (cint_0 == 3) {
    h q[3];
  } else {
    if (cint_0 == 5) {
      ry(0.6) q[3];
    } else {
      if (cint_0 >= 6) {
        s q[3];
        h q[3];
      } else {
        t q[3];
        h q[3];
      }
    }
  }
}
c[3] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
