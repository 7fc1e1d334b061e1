OPENQASM 3.0;
qubit[7] q;
bit[5] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
int cint_2 = 0;
int cint_3 = 0;
bool cbool_1 = false;
int cint_4 = 0;
int cint_5 = 0;
int cint_6 = 0;
bool cbool_2 = false;
int cint_7 = 0;
int cint_8 = 0;
int cint_9 = 0;
bool cbool_3 = false;
int cint_10 = 0;
int cint_11 = 0;
int cint_12 = 0;
int cint_13 = 0;
int cint_14 = 0;
int cint_15 = 0;
int cint_16 = 0;
int cint_17 = 0;
int cint_18 = 0;
int cint_19 = 0;
int cint_20 = 0;
int cint_21 = 0;
int cint_22 = 0;
int cint_23 = 0;
int cint_24 = 0;
bool cbool_4 = false;
int cint_25 = 0;
bool cbool_5 = false;
int cint_26 = 0;
int cint_27 = 0;
int cint_28 = 0;
int cint_29 = 0;
bool cbool_6 = false;
int cint_30 = 0;
bool cbool_7 = false;
int cint_31 = 0;
int cint_32 = 0;
int cint_33 = 0;
x q[1];
x q[3];
h q[0];
cint_0 = 1;
if (cint_0 <= 3) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  cint_1 = 2;
  if (cint_0 == 2) {
    cint_1 = 4;
  } else {
    if (cint_0 == 3) {
      cint_1 = 8;
    } else {
      if (cint_0 == 4) {
        cint_1 = 16;
      }
    }
  }
  cint_2 = 0;
  if (cint_0 == 1) {
    rz(0.7853981633974483) q[0];
  }
  if (cint_0 == 2) {
    rz(0.39269908169872414) q[0];
  }
  if (cint_0 == 3) {
    rz(0.19634954084936207) q[0];
  }
  if (cint_0 == 4) {
    rz(0.09817477042468103) q[0];
  }
  if (cint_0 == 1) {
    cnot q[1], q[0];
  }
  if (cint_0 == 2) {
    cnot q[2], q[0];
  }
  if (cint_0 == 3) {
    cnot q[3], q[0];
  }
  if (cint_0 == 1) {
    rz(-0.7853981633974483) q[0];
  }
  if (cint_0 == 2) {
    rz(-0.39269908169872414) q[0];
  }
  if (cint_0 == 3) {
    rz(-0.19634954084936207) q[0];
  }
  if (cint_0 == 4) {
    rz(-0.09817477042468103) q[0];
  }
  if (cint_0 == 1) {
    cnot q[1], q[0];
  }
  if (cint_0 == 2) {
    cnot q[2], q[0];
  }
  if (cint_0 == 3) {
    cnot q[3], q[0];
  }
  if (cint_0 == 1) {
    rz(0.7853981633974483) q[1];
  }
  if (cint_0 == 2) {
    rz(0.39269908169872414) q[2];
  }
  if (cint_0 == 3) {
    rz(0.19634954084936207) q[3];
  }
  cint_0 = cint_0 + 1;
  if (cint_0 <= 3) {
    cbool_0 = true;
  } else {
    cbool_0 = false;
  }
}
h q[1];
cint_3 = 2;
if (cint_3 <= 3) {
  cbool_1 = true;
} else {
  cbool_1 = false;
}
while (cbool_1) {
  cint_4 = 2;
  if (cint_3 == 3) {
    cint_4 = 4;
  } else {
    if (cint_3 == 4) {
      cint_4 = 8;
    }
  }
  cint_5 = 0;
  if (cint_3 == 2) {
    rz(0.7853981633974483) q[1];
  }
  if (cint_3 == 3) {
    rz(0.39269908169872414) q[1];
  }
  if (cint_3 == 4) {
    rz(0.19634954084936207) q[1];
  }
  if (cint_3 == 2) {
    cnot q[2], q[1];
  }
  if (cint_3 == 3) {
    cnot q[3], q[1];
  }
  if (cint_3 == 2) {
    rz(-0.7853981633974483) q[1];
  }
  if (cint_3 == 3) {
    rz(-0.39269908169872414) q[1];
  }
  if (cint_3 == 4) {
    rz(-0.19634954084936207) q[1];
  }
  if (cint_3 == 2) {
    cnot q[2], q[1];
  }
  if (cint_3 == 3) {
    cnot q[3], q[1];
  }
  if (cint_3 == 2) {
    rz(0.7853981633974483) q[2];
  }
  if (cint_3 == 3) {
    rz(0.39269908169872414) q[3];
  }
  cint_3 = cint_3 + 1;
  if (cint_3 <= 3) {
    cbool_1 = true;
  } else {
    cbool_1 = false;
  }
}
h q[2];
cint_6 = 3;
if (cint_6 <= 3) {
  cbool_2 = true;
} else {
  cbool_2 = false;
}
while (cbool_2) {
  cint_7 = 2;
  if (cint_6 == 4) {
    cint_7 = 4;
  }
  cint_8 = 0;
  if (cint_6 == 3) {
    rz(0.7853981633974483) q[2];
  }
  if (cint_6 == 4) {
    rz(0.39269908169872414) q[2];
  }
  if (cint_6 == 3) {
    cnot q[3], q[2];
  }
  if (cint_6 == 3) {
    rz(-0.7853981633974483) q[2];
  }
  if (cint_6 == 4) {
    rz(-0.39269908169872414) q[2];
  }
  if (cint_6 == 3) {
    cnot q[3], q[2];
  }
  if (cint_6 == 3) {
    rz(0.7853981633974483) q[3];
  }
  cint_6 = cint_6 + 1;
  if (cint_6 <= 3) {
    cbool_2 = true;
  } else {
    cbool_2 = false;
  }
}
h q[3];
cint_9 = 4;
if (cint_9 <= 3) {
  cbool_3 = true;
} else {
  cbool_3 = false;
}
while (cbool_3) {
  cint_10 = 2;
  cint_11 = 0;
  rz(0.7853981633974483) q[3];
  cnot q[0], q[3];
  rz(-0.7853981633974483) q[3];
  cnot q[0], q[3];
  rz(0.0) q[0];
  cint_9 = cint_9 + 1;
  if (cint_9 <= 3) {
    cbool_3 = true;
  } else {
    cbool_3 = false;
  }
}
cint_12 = 3;
while (cint_12 >= 4) {
  cint_13 = 1;
  cint_14 = 1;
  rz(-1.5707963267948966) q[3];
  rz(-1.5707963267948966) q[3];
  cnot q[3], q[3];
  rz(1.5707963267948966) q[3];
  cnot q[3], q[3];
  cint_12 = cint_12 + -1;
}
h q[3];
cint_15 = 3;
while (cint_15 >= 3) {
  cint_16 = 1;
  if (cint_15 == 3) {
    cint_16 = 2;
  }
  cint_17 = 1;
  if (cint_15 == 3) {
    cint_17 = 0;
  }
  if (cint_15 == 2) {
    rz(-1.5707963267948966) q[2];
  }
  if (cint_15 == 3) {
    rz(-0.7853981633974483) q[3];
  }
  if (cint_15 == 2) {
    rz(-1.5707963267948966) q[2];
  }
  if (cint_15 == 3) {
    rz(-0.7853981633974483) q[2];
  }
  if (cint_15 == 2) {
    cnot q[2], q[2];
  }
  if (cint_15 == 3) {
    cnot q[3], q[2];
  }
  if (cint_15 == 2) {
    rz(1.5707963267948966) q[2];
  }
  if (cint_15 == 3) {
    rz(0.7853981633974483) q[2];
  }
  if (cint_15 == 2) {
    cnot q[2], q[2];
  }
  if (cint_15 == 3) {
    cnot q[3], q[2];
  }
  cint_15 = cint_15 + -1;
}
h q[2];
cint_18 = 3;
while (cint_18 >= 2) {
  cint_19 = 1;
  if (cint_18 == 2) {
    cint_19 = 2;
  } else {
    if (cint_18 == 3) {
      cint_19 = 4;
    }
  }
  cint_20 = 0;
  if (cint_18 == 1) {
    cint_20 = 1;
  }
  if (cint_18 == 1) {
    rz(-1.5707963267948966) q[1];
  }
  if (cint_18 == 2) {
    rz(-0.7853981633974483) q[2];
  }
  if (cint_18 == 3) {
    rz(-0.39269908169872414) q[3];
  }
  if (cint_18 == 1) {
    rz(-1.5707963267948966) q[1];
  }
  if (cint_18 == 2) {
    rz(-0.7853981633974483) q[1];
  }
  if (cint_18 == 3) {
    rz(-0.39269908169872414) q[1];
  }
  if (cint_18 == 1) {
    cnot q[1], q[1];
  }
  if (cint_18 == 2) {
    cnot q[2], q[1];
  }
  if (cint_18 == 3) {
    cnot q[3], q[1];
  }
  if (cint_18 == 1) {
    rz(1.5707963267948966) q[1];
  }
  if (cint_18 == 2) {
    rz(0.7853981633974483) q[1];
  }
  if (cint_18 == 3) {
    rz(0.39269908169872414) q[1];
  }
  if (cint_18 == 1) {
    cnot q[1], q[1];
  }
  if (cint_18 == 2) {
    cnot q[2], q[1];
  }
  if (cint_18 == 3) {
    cnot q[3], q[1];
  }
  cint_18 = cint_18 + -1;
}
h q[1];
cint_21 = 3;
while (cint_21 >= 1) {
  cint_22 = 1;
  if (cint_21 == 1) {
    cint_22 = 2;
  } else {
    if (cint_21 == 2) {
      cint_22 = 4;
    } else {
      if (cint_21 == 3) {
        cint_22 = 8;
      }
    }
  }
  cint_23 = 0;
  if (cint_21 == 0) {
    cint_23 = 1;
  }
  if (cint_21 == 0) {
    rz(-1.5707963267948966) q[0];
  }
  if (cint_21 == 1) {
    rz(-0.7853981633974483) q[1];
  }
  if (cint_21 == 2) {
    rz(-0.39269908169872414) q[2];
  }
  if (cint_21 == 3) {
    rz(-0.19634954084936207) q[3];
  }
  if (cint_21 == 0) {
    rz(-1.5707963267948966) q[0];
  }
  if (cint_21 == 1) {
    rz(-0.7853981633974483) q[0];
  }
  if (cint_21 == 2) {
    rz(-0.39269908169872414) q[0];
  }
  if (cint_21 == 3) {
    rz(-0.19634954084936207) q[0];
  }
  if (cint_21 == 0) {
    cnot q[0], q[0];
  }
  if (cint_21 == 1) {
    cnot q[1], q[0];
  }
  if (cint_21 == 2) {
    cnot q[2], q[0];
  }
  if (cint_21 == 3) {
    cnot q[3], q[0];
  }
  if (cint_21 == 0) {
    rz(1.5707963267948966) q[0];
  }
  if (cint_21 == 1) {
    rz(0.7853981633974483) q[0];
  }
  if (cint_21 == 2) {
    rz(0.39269908169872414) q[0];
  }
  if (cint_21 == 3) {
    rz(0.19634954084936207) q[0];
  }
  if (cint_21 == 0) {
    cnot q[0], q[0];
  }
  if (cint_21 == 1) {
    cnot q[1], q[0];
  }
  if (cint_21 == 2) {
    cnot q[2], q[0];
  }
  if (cint_21 == 3) {
    cnot q[3], q[0];
  }
  cint_21 = cint_21 + -1;
}
h q[0];
ccnot q[1], q[3], q[0];
cint_24 = 0;
if (cint_24 <= 1) {
  cbool_4 = true;
} else {
  cbool_4 = false;
}
while (cbool_4) {
  if (cint_24 == 0) {
    ccnot q[0], q[1], q[5];
  }
  if (cint_24 == 1) {
    ccnot q[1], q[3], q[5];
  }
  cint_24 = cint_24 + 2;
  if (cint_24 <= 1) {
    cbool_4 = true;
  } else {
    cbool_4 = false;
  }
}
cint_25 = 0;
if (cint_25 <= -1) {
  cbool_5 = true;
} else {
  cbool_5 = false;
}
while (cbool_5) {
  ccnot q[0], q[0], q[0];
  cint_25 = cint_25 + 1;
  if (cint_25 <= -1) {
    cbool_5 = true;
  } else {
    cbool_5 = false;
  }
}
ccnot q[3], q[5], q[2];
cint_26 = -1;
while (cint_26 >= 0) {
  ccnot q[0], q[0], q[0];
  cint_26 = cint_26 + -1;
}
cint_27 = 0;
while (cint_27 >= 0) {
  if (cint_27 >= 0) {
    cint_28 = cint_27 / 2;
  } else {
    cint_28 = -(-cint_27 / 2);
  }
  if (cint_27 == -2) {
    ccnot q[1], q[3], q[5];
  }
  if (cint_27 == -1) {
    ccnot q[3], q[0], q[5];
  }
  if (cint_27 == 0) {
    ccnot q[0], q[1], q[5];
  }
  cint_27 = cint_27 + -2;
}
cint_29 = 0;
if (cint_29 <= 2) {
  cbool_6 = true;
} else {
  cbool_6 = false;
}
while (cbool_6) {
  if (cint_29 == 0) {
    ccnot q[0], q[1], q[5];
  }
  if (cint_29 == 1) {
    ccnot q[1], q[2], q[5];
  }
  if (cint_29 == 2) {
    ccnot q[2], q[3], q[6];
  }
  cint_29 = cint_29 + 2;
  if (cint_29 <= 2) {
    cbool_6 = true;
  } else {
    cbool_6 = false;
  }
}
cint_30 = 0;
if (cint_30 <= -1) {
  cbool_7 = true;
} else {
  cbool_7 = false;
}
while (cbool_7) {
  ccnot q[0], q[0], q[0];
  cint_30 = cint_30 + 1;
  if (cint_30 <= -1) {
    cbool_7 = true;
  } else {
    cbool_7 = false;
  }
}
ccnot q[6], q[5], q[4];
cint_31 = -1;
while (cint_31 >= 0) {
  ccnot q[5], q[6], q[6];
  cint_31 = cint_31 + -1;
}
cint_32 = 2;
while (cint_32 >= 0) {
  if (cint_32 >= 0) {
    cint_33 = cint_32 / 2;
  } else {
    cint_33 = -(-cint_32 / 2);
  }
  if (cint_32 == -2 || cint_32 == 2) {
    ccnot q[2], q[3], q[6];
  }
  if (cint_32 == -1) {
    ccnot q[3], q[0], q[5];
  }
  if (cint_32 == 0) {
    ccnot q[0], q[1], q[5];
  }
  if (cint_32 == 1) {
    ccnot q[1], q[2], q[5];
  }
  cint_32 = cint_32 + -2;
}
c[0] = measure q[0];
reset q[0];
c[1] = measure q[1];
reset q[1];
c[2] = measure q[2];
reset q[2];
c[3] = measure q[3];
reset q[3];
c[4] = measure q[4];
reset q[4];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
