OPENQASM 3.0;
qubit[7] q;
bit[3] a = "000";
bit[3] b = "000";
bit[3] d = "000";
bit[1] out = "0";
bit[6] p_ = "000000";
bit[4] s_ = "0000";
bit[4] sh = "0000";
bit[5] tk_SCRATCH_BIT = "00000";
bit[3] x_ = "000";
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
h q[0];
h q[1];
h q[2];
ry(0.9424777960769379) q[3];
ry(1.8849555921538759) q[4];
ry(2.8274333882308134) q[5];
a[0] = measure q[0];
a[1] = measure q[1];
a[2] = measure q[2];
b[0] = measure q[3];
b[1] = measure q[4];
b[2] = measure q[5];
cint_0 = a[0] + a[1] * 2 + a[2] * 4 + (b[0] + b[1] * 2 + b[2] * 4);
if (cint_0 % 2 == 1) {
  s_[0] = 1;
} else {
  s_[0] = 0;
}
if ((cint_0 / 2) % 2 == 1) {
  s_[1] = 1;
} else {
  s_[1] = 0;
}
if ((cint_0 / 4) % 2 == 1) {
  s_[2] = 1;
} else {
  s_[2] = 0;
}
if ((cint_0 / 8) % 2 == 1) {
  s_[3] = 1;
} else {
  s_[3] = 0;
}
if ((a[0] * b[0] + (1 - a[0])) - a[0] * b[0] * (1 - a[0]) == 1) {
  x_[0] = 1;
} else {
  x_[0] = 0;
}
if ((a[1] * b[1] + a[1]) - a[1] * b[1] * a[1] == 1) {
  x_[1] = 1;
} else {
  x_[1] = 0;
}
if ((a[2] * b[2] + (1 - a[2])) - a[2] * b[2] * (1 - a[2]) == 1) {
  x_[2] = 1;
} else {
  x_[2] = 0;
}
cint_1 = (a[0] + a[1] * 2 + a[2] * 4) * (b[0] + b[1] * 2 + b[2] * 4) + 1;
if (cint_1 % 2 == 1) {
  p_[0] = 1;
} else {
  p_[0] = 0;
}
if ((cint_1 / 2) % 2 == 1) {
  p_[1] = 1;
} else {
  p_[1] = 0;
}
if ((cint_1 / 4) % 2 == 1) {
  p_[2] = 1;
} else {
  p_[2] = 0;
}
if ((cint_1 / 8) % 2 == 1) {
  p_[3] = 1;
} else {
  p_[3] = 0;
}
if ((cint_1 / 16) % 2 == 1) {
  p_[4] = 1;
} else {
  p_[4] = 0;
}
if ((cint_1 / 32) % 2 == 1) {
  p_[5] = 1;
} else {
  p_[5] = 0;
}
if (x_[0] + x_[1] * 2 + x_[2] * 4 >= 0 && 1 >= x_[0] + x_[1] * 2 + x_[2] * 4) {
  tk_SCRATCH_BIT[1] = 1;
} else {
  tk_SCRATCH_BIT[1] = 0;
}
cint_2 = (s_[0] + s_[1] * 2 + s_[2] * 4 + s_[3] * 8) - (b[0] + b[1] * 2 + b[2] * 4);
if ((cint_2 % 2 + 2) % 2 == 1) {
  d[0] = 1;
} else {
  d[0] = 0;
}
if (((cint_2 % 4 + 4) % 4) / 2 == 1) {
  d[1] = 1;
} else {
  d[1] = 0;
}
if (((cint_2 % 8 + 8) % 8) / 4 == 1) {
  d[2] = 1;
} else {
  d[2] = 0;
}
if (p_[0] + p_[1] * 2 + p_[2] * 4 + p_[3] * 8 + p_[4] * 16 + p_[5] * 32 >= 10 && (-1 < 0 || p_[0] + p_[1] * 2 + p_[2] * 4 + p_[3] * 8 + p_[4] * 16 + p_[5] * 32 <= -1)) {
  tk_SCRATCH_BIT[2] = 1;
} else {
  tk_SCRATCH_BIT[2] = 0;
}
if (s_[1] == 1) {
  sh[0] = 1;
} else {
  sh[0] = 0;
}
if (s_[2] == 1) {
  sh[1] = 1;
} else {
  sh[1] = 0;
}
if (s_[3] == 1) {
  sh[2] = 1;
} else {
  sh[2] = 0;
}
if (0 == 1) {
  sh[3] = 1;
} else {
  sh[3] = 0;
}
if (3 == d[0] + d[1] * 2 + d[2] * 4) {
  tk_SCRATCH_BIT[4] = 1;
} else {
  tk_SCRATCH_BIT[4] = 0;
}
if (s_[0] + s_[1] * 2 + s_[2] * 4 + s_[3] * 8 >= 7 && (-1 < 0 || s_[0] + s_[1] * 2 + s_[2] * 4 + s_[3] * 8 <= -1)) {
  tk_SCRATCH_BIT[0] = 1;
} else {
  tk_SCRATCH_BIT[0] = 0;
}
if (1 == sh[0] + sh[1] * 2 + sh[2] * 4 + sh[3] * 8) {
  tk_SCRATCH_BIT[3] = 1;
} else {
  tk_SCRATCH_BIT[3] = 0;
}
if (tk_SCRATCH_BIT[0]) {
  x q[6];
}
if (tk_SCRATCH_BIT[1]) {
  h q[6];
}
if (tk_SCRATCH_BIT[2]) {
  z q[6];
}
if (tk_SCRATCH_BIT[3]) {
} else {
  x q[6];
}
if (tk_SCRATCH_BIT[4]) {
  y q[6];
}
out[0] = measure q[6];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
