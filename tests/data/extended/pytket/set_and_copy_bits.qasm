OPENQASM 3.0;
qubit[4] q;
bit[3] a = "000";
bit[3] b = "000";
bit[1] flag = "0";
bit[1] out = "0";
bit[1] tk_SCRATCH_BIT = "0";
b[0] = 1;
b[1] = 0;
b[2] = 1;
h q[0];
h q[1];
h q[2];
a[0] = measure q[0];
a[1] = measure q[1];
a[2] = measure q[2];
if (a[0] == 1) {
  b[1] = 1;
} else {
  b[1] = 0;
}
if (a[1] == 1) {
  b[2] = 1;
} else {
  b[2] = 0;
}
if (a[0] + a[1] * 2 + a[2] * 4 >= 2 && 5 >= a[0] + a[1] * 2 + a[2] * 4) {
  flag[0] = 1;
} else {
  flag[0] = 0;
}
if (flag[0]) {
  x q[3];
}
if (7 == b[0] + b[1] * 2 + b[2] * 4) {
  tk_SCRATCH_BIT[0] = 1;
} else {
  tk_SCRATCH_BIT[0] = 0;
}
if (tk_SCRATCH_BIT[0]) {
  a[0] = 0;
  a[1] = 0;
  a[2] = 0;
}
out[0] = measure q[3];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
