OPENQASM 3.0;
qubit[6] q;
bit[6] c;
h q[0];
h q[1];
h q[2];
c[0] = measure q[0];
c[1] = measure q[1];
c[2] = measure q[2];
if (((c[0] + c[1]) % 2 + c[2]) % 2 == 1) {
  x q[3];
}
if ((c[0] + c[1] * 2 + c[2] * 4) * 3 - (c[0] + c[1] * 2) < 0 || 10 < (c[0] + c[1] * 2 + c[2] * 4) * 3 - (c[0] + c[1] * 2)) {
  x q[4];
}
if (c[1]) {
  x q[5];
}
c[3] = measure q[3];
c[4] = measure q[4];
c[5] = measure q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
