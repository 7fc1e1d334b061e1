OPENQASM 3.0;
qubit[5] q;
bit[3] f = "000";
bit[4] m = "0000";
bit[1] out = "0";
bit[1] tk_SCRATCH_BIT = "0";
ry(1.2566370614359172) q[0];
ry(2.827433388230814) q[1];
ry(4.39822971502571) q[2];
ry(5.969026041820607) q[3];
m[0] = measure q[0];
m[1] = measure q[1];
m[2] = measure q[2];
m[3] = measure q[3];
if ((m[0] == 1) != (m[1] == 1) != (m[2] == 1) != (m[3] == 1)) {
  f[0] = 1;
} else {
  f[0] = 0;
}
if (m[0] == 1 && m[1] == 1 && m[2] == 1) {
  f[1] = 1;
} else {
  f[1] = 0;
}
if (m[1] == 1 || m[3] == 1) {
  f[2] = 1;
} else {
  f[2] = 0;
}
if (f[0] == 1 && (f[2] == 1 || m[0] == 1)) {
  tk_SCRATCH_BIT[0] = 1;
} else {
  tk_SCRATCH_BIT[0] = 0;
}
if (tk_SCRATCH_BIT[0]) {
  x q[4];
}
out[0] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
