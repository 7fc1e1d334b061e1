OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
h q[0];
h q[1];
c[0] = measure q[0];
c[1] = measure q[1];
if ((c[0] + c[1] * 2) - 2 >= 0) {
  cint_0 = ((c[0] + c[1] * 2) - 2) / 2;
} else {
  cint_0 = -(-((c[0] + c[1] * 2) - 2) / 2);
}
if ((c[0] + c[1] * 2) - 2 >= 0) {
  cint_1 = ((c[0] + c[1] * 2) - 2) % 3;
} else {
  cint_1 = -(-((c[0] + c[1] * 2) - 2) % 3);
}
if ((c[0] + c[1] * 2) - 2 >= 0) {
  cint_2 = -(((c[0] + c[1] * 2) - 2) / 2);
} else {
  cint_2 = -((c[0] + c[1] * 2) - 2) / 2;
}
if (cint_0 == -1) {
  x q[2];
}
if (((c[0] + c[1] * 2) - 2 - (((c[0] + c[1] * 2) - 2) % 2 + 2) % 2) / 2 == -1) {
  x q[3];
}
if (cint_1 == -1) {
  x q[4];
}
if (((c[0] + c[1] * 2) / 2 == 1) != ((c[0] + c[1] * 2) % 3 == 0) != (cint_2 == 1)) {
  x q[5];
}
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
c[5] = measure q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
