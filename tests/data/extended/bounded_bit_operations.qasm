OPENQASM 3.0;
qubit[2] q;
bit[2] c;
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
h q[0];
c[0] = measure q[0];
cint_0 = 0;
if (c[0] == 1) {
  cint_0 = 4611686018427387904;
}
cint_1 = 0;
if (c[0] == 1) {
  cint_1 = -9223372036854775808;
}
cint_2 = 0;
if (c[0] == 1) {
  cint_2 = 1;
}
cint_3 = 0;
if (c[0] == 1) {
  cint_3 = 600;
}
if (((c[0] + 8) % 2 + (c[0] + 8) % 2) % 2 + ((((c[0] + 8) / 2) % 2 + ((c[0] + 8) / 2) % 2) % 2) * 2 + ((((c[0] + 8) / 4) % 2 + ((c[0] + 8) / 4) % 2) % 2) * 4 + ((((c[0] + 8) / 8) % 2 + ((c[0] + 8) / 8) % 2) % 2) * 8 + cint_0 / 4611686018427387904 / 1 + cint_2 % 2 + ((cint_3 / 512) % 2) * 512 == 514) {
  x q[1];
}
c[1] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
