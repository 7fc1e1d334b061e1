OPENQASM 3.0;
qubit[5] q;
bit[3] key = "000";
bit[3] mix = "000";
bit[2] out = "00";
bit[3] sel = "000";
bit[6] tk_SCRATCH_BIT = "000000";
key[0] = 1;
key[1] = 1;
key[2] = 0;
h q[0];
h q[1];
h q[2];
sel[0] = measure q[0];
sel[1] = measure q[1];
sel[2] = measure q[2];
if (0 == sel[0] + sel[1] * 2 + sel[2] * 4) {
  tk_SCRATCH_BIT[0] = 1;
} else {
  tk_SCRATCH_BIT[0] = 0;
}
if (3 == sel[0] + sel[1] * 2 + sel[2] * 4) {
  tk_SCRATCH_BIT[1] = 1;
} else {
  tk_SCRATCH_BIT[1] = 0;
}
if (5 == sel[0] + sel[1] * 2 + sel[2] * 4) {
  tk_SCRATCH_BIT[2] = 1;
} else {
  tk_SCRATCH_BIT[2] = 0;
}
if (6 == sel[0] + sel[1] * 2 + sel[2] * 4) {
  tk_SCRATCH_BIT[3] = 1;
} else {
  tk_SCRATCH_BIT[3] = 0;
}
if ((sel[0] + key[0]) % 2 == 1) {
  mix[0] = 1;
} else {
  mix[0] = 0;
}
if ((sel[1] + key[1]) % 2 == 1) {
  mix[1] = 1;
} else {
  mix[1] = 0;
}
if ((sel[2] + key[2]) % 2 == 1) {
  mix[2] = 1;
} else {
  mix[2] = 0;
}
if (tk_SCRATCH_BIT[0]) {
  x q[3];
}
if (tk_SCRATCH_BIT[1]) {
  h q[3];
}
if (0 == mix[0] + mix[1] * 2 + mix[2] * 4) {
  tk_SCRATCH_BIT[4] = 1;
} else {
  tk_SCRATCH_BIT[4] = 0;
}
if (7 == mix[0] + mix[1] * 2 + mix[2] * 4) {
  tk_SCRATCH_BIT[5] = 1;
} else {
  tk_SCRATCH_BIT[5] = 0;
}
if (tk_SCRATCH_BIT[2]) {
  y q[3];
}
if (tk_SCRATCH_BIT[4]) {
  x q[4];
}
if (tk_SCRATCH_BIT[3]) {
  inv @ s q[3];
}
if (tk_SCRATCH_BIT[5]) {
  h q[4];
}
out[0] = measure q[3];
out[1] = measure q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
