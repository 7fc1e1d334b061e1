OPENQASM 3.0;
qubit[2] q;
bit[1] flag = "0";
bit[1] out = "0";
bit[3] tries = "000";
int cint_0 = 0;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
int cint_4 = 0;
int cint_5 = 0;
if (flag[0]) {
} else {
  h q[0];
}
if (flag[0]) {
} else {
  cint_1 = tries[1];
  cint_0 = tries[0];
  if ((cint_0 + cint_1 * 2 + tries[2] * 4 + 1) % 2 == 1) {
    tries[0] = 1;
  } else {
    tries[0] = 0;
  }
  if (((cint_0 + cint_1 * 2 + tries[2] * 4 + 1) / 2) % 2 == 1) {
    tries[1] = 1;
  } else {
    tries[1] = 0;
  }
  if (((cint_0 + cint_1 * 2 + tries[2] * 4 + 1) / 4) % 2 == 1) {
    tries[2] = 1;
  } else {
    tries[2] = 0;
  }
}
if (flag[0]) {
} else {
  t q[0];
}
if (flag[0]) {
} else {
  h q[0];
}
if (flag[0]) {
} else {
  flag[0] = measure q[0];
}
reset q[0];
if (flag[0]) {
} else {
  cint_3 = tries[1];
  cint_2 = tries[0];
  if ((cint_2 + cint_3 * 2 + tries[2] * 4 + 1) % 2 == 1) {
    tries[0] = 1;
  } else {
    tries[0] = 0;
  }
  if (((cint_2 + cint_3 * 2 + tries[2] * 4 + 1) / 2) % 2 == 1) {
    tries[1] = 1;
  } else {
    tries[1] = 0;
  }
  if (((cint_2 + cint_3 * 2 + tries[2] * 4 + 1) / 4) % 2 == 1) {
    tries[2] = 1;
  } else {
    tries[2] = 0;
  }
}
if (flag[0]) {
} else {
  h q[0];
}
if (flag[0]) {
} else {
  t q[0];
}
if (flag[0]) {
} else {
  h q[0];
}
if (flag[0]) {
} else {
  flag[0] = measure q[0];
}
reset q[0];
if (flag[0]) {
} else {
  cint_5 = tries[1];
  cint_4 = tries[0];
  if ((cint_4 + cint_5 * 2 + tries[2] * 4 + 1) % 2 == 1) {
    tries[0] = 1;
  } else {
    tries[0] = 0;
  }
  if (((cint_4 + cint_5 * 2 + tries[2] * 4 + 1) / 2) % 2 == 1) {
    tries[1] = 1;
  } else {
    tries[1] = 0;
  }
  if (((cint_4 + cint_5 * 2 + tries[2] * 4 + 1) / 4) % 2 == 1) {
    tries[2] = 1;
  } else {
    tries[2] = 0;
  }
}
if (flag[0]) {
} else {
  h q[0];
}
if (flag[0]) {
} else {
  t q[0];
}
if (flag[0]) {
} else {
  h q[0];
}
if (flag[0]) {
} else {
  flag[0] = measure q[0];
}
reset q[0];
if (flag[0]) {
  x q[1];
}
out[0] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
