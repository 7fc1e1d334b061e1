OPENQASM 3.0;
qubit[5] q;
bit[2] count = "00";
bit[3] data = "000";
bit[2] syn = "00";
bit[8] tk_SCRATCH_BIT = "00000000";
int cint_0 = 0;
int cint_1 = 0;
x q[0];
cnot q[0], q[1];
cnot q[0], q[2];
rx(0.7853981633974483) q[1];
cnot q[0], q[3];
cnot q[1], q[3];
cnot q[1], q[4];
syn[0] = measure q[3];
cnot q[2], q[4];
reset q[3];
syn[1] = measure q[4];
reset q[4];
if (1 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[0] = 1;
} else {
  tk_SCRATCH_BIT[0] = 0;
}
if (3 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[1] = 1;
} else {
  tk_SCRATCH_BIT[1] = 0;
}
if (2 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[2] = 1;
} else {
  tk_SCRATCH_BIT[2] = 0;
}
if (0 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[3] = 1;
} else {
  tk_SCRATCH_BIT[3] = 0;
}
if (tk_SCRATCH_BIT[3]) {
} else {
  cint_0 = count[0];
  if ((cint_0 + count[1] * 2 + 1) % 2 == 1) {
    count[0] = 1;
  } else {
    count[0] = 0;
  }
  if (((cint_0 + count[1] * 2 + 1) / 2) % 2 == 1) {
    count[1] = 1;
  } else {
    count[1] = 0;
  }
}
if (tk_SCRATCH_BIT[0]) {
  x q[0];
}
if (tk_SCRATCH_BIT[1]) {
  x q[1];
}
if (tk_SCRATCH_BIT[2]) {
  x q[2];
}
cnot q[0], q[3];
rx(1.5707963267948966) q[2];
cnot q[1], q[3];
cnot q[1], q[4];
syn[0] = measure q[3];
cnot q[2], q[4];
reset q[3];
syn[1] = measure q[4];
reset q[4];
if (1 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[4] = 1;
} else {
  tk_SCRATCH_BIT[4] = 0;
}
if (3 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[5] = 1;
} else {
  tk_SCRATCH_BIT[5] = 0;
}
if (2 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[6] = 1;
} else {
  tk_SCRATCH_BIT[6] = 0;
}
if (0 == syn[0] + syn[1] * 2) {
  tk_SCRATCH_BIT[7] = 1;
} else {
  tk_SCRATCH_BIT[7] = 0;
}
if (tk_SCRATCH_BIT[7]) {
} else {
  cint_1 = count[0];
  if ((cint_1 + count[1] * 2 + 1) % 2 == 1) {
    count[0] = 1;
  } else {
    count[0] = 0;
  }
  if (((cint_1 + count[1] * 2 + 1) / 2) % 2 == 1) {
    count[1] = 1;
  } else {
    count[1] = 0;
  }
}
if (tk_SCRATCH_BIT[4]) {
  x q[0];
}
if (tk_SCRATCH_BIT[5]) {
  x q[1];
}
if (tk_SCRATCH_BIT[6]) {
  x q[2];
}
data[0] = measure q[0];
data[1] = measure q[1];
data[2] = measure q[2];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
