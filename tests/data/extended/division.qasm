OPENQASM 3.0;
qubit[6] q;
bit[6] c;
h q[0];
h q[1];
c[0] = measure q[0];
c[1] = measure q[1];
if ((1 - 2 * int((int(c[0]) + int(c[1]) * 2) - 2 < 0)) * (((1 - 2 * int((int(c[0]) + int(c[1]) * 2) - 2 < 0)) * ((int(c[0]) + int(c[1]) * 2) - 2)) / 2) == -1) {
  x q[2];
}
if (((int(c[0]) + int(c[1]) * 2) - 2 - (((int(c[0]) + int(c[1]) * 2) - 2) % 2 + 2) % 2) / 2 == -1) {
  x q[3];
}
if ((1 - 2 * int((int(c[0]) + int(c[1]) * 2) - 2 < 0)) * (((1 - 2 * int((int(c[0]) + int(c[1]) * 2) - 2 < 0)) * ((int(c[0]) + int(c[1]) * 2) - 2)) % 3) == -1) {
  x q[4];
}
if (((int(c[0]) + int(c[1]) * 2) / 2 == 1) != ((int(c[0]) + int(c[1]) * 2) % 3 == 0) != (-((1 - 2 * int((int(c[0]) + int(c[1]) * 2) - 2 < 0)) * (((1 - 2 * int((int(c[0]) + int(c[1]) * 2) - 2 < 0)) * ((int(c[0]) + int(c[1]) * 2) - 2)) / 2)) == 1)) {
  x q[5];
}
c[2] = measure q[2];
c[3] = measure q[3];
c[4] = measure q[4];
c[5] = measure q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
