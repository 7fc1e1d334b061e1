OPENQASM 3.0;
qubit[2] q;
bit[3] c;
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
x q[1];
h q[0];
rz(15.707963267948966) q[0];
cint_0 = 0;
if (cint_0 <= -1) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  if (false) {
    cint_1 = 2;
    cint_2 = 0;
    rz(-3.141592653589793) q[0];
  }
  cint_0 = cint_0 + 1;
  if (cint_0 <= -1) {
    cbool_0 = true;
  } else {
    cbool_0 = false;
  }
}
h q[0];
c[0] = measure q[0];
reset q[0];
h q[0];
rz(7.853981633974483) q[0];
cint_3 = 0;
if (cint_3 <= 0) {
  cbool_1 = true;
} else {
  cbool_1 = false;
}
while (cbool_1) {
  if (cint_3 == 0 && c[0] == 1) {
    cint_4 = 4;
    if (cint_3 == 1) {
      cint_4 = 2;
    }
    cint_5 = 0;
    if (cint_3 == 0) {
      rz(-1.5707963267948966) q[0];
    }
    if (cint_3 == 1) {
      rz(-3.141592653589793) q[0];
    }
  }
  cint_3 = cint_3 + 1;
  if (cint_3 <= 0) {
    cbool_1 = true;
  } else {
    cbool_1 = false;
  }
}
h q[0];
c[1] = measure q[0];
reset q[0];
h q[0];
rz(3.9269908169872414) q[0];
cint_6 = 0;
if (cint_6 <= 1) {
  cbool_2 = true;
} else {
  cbool_2 = false;
}
while (cbool_2) {
  if (cint_6 == 0 && c[0] == 1 || cint_6 == 1 && c[1] == 1) {
    cint_7 = 8;
    if (cint_6 == 1) {
      cint_7 = 4;
    } else {
      if (cint_6 == 2) {
        cint_7 = 2;
      }
    }
    cint_8 = 0;
    if (cint_6 == 0) {
      rz(-0.7853981633974483) q[0];
    }
    if (cint_6 == 1) {
      rz(-1.5707963267948966) q[0];
    }
    if (cint_6 == 2) {
      rz(-3.141592653589793) q[0];
    }
  }
  cint_6 = cint_6 + 1;
  if (cint_6 <= 1) {
    cbool_2 = true;
  } else {
    cbool_2 = false;
  }
}
h q[0];
c[2] = measure q[0];
reset q[0];
reset q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
