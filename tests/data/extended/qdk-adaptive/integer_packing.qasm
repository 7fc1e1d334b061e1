OPENQASM 3.0;
qubit[6] q;
bit[6] c;
int cint_0 = 0;
bool cbool_0 = false;
int cint_1 = 0;
int cint_2 = 0;
bool cbool_1 = false;
int cint_3 = 0;
int cint_4 = 0;
int cint_5 = 0;
bool cbool_2 = false;
int cint_6 = 0;
bool cbool_3 = false;
if (cint_0 <= 4) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  if (cint_0 == 0) {
    ry(0.3) q[0];
  }
  if (cint_0 == 1) {
    ry(0.6) q[1];
  }
  if (cint_0 == 2) {
    ry(0.8999999999999999) q[2];
  }
  if (cint_0 == 3) {
    ry(1.2) q[3];
  }
  if (cint_0 == 4) {
    ry(1.5) q[4];
  }
  cint_0 = cint_0 + 1;
  if (cint_0 <= 4) {
    cbool_0 = true;
  } else {
    cbool_0 = false;
  }
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
cint_1 = 0;
cint_2 = 0;
if (cint_2 <= 4) {
  cbool_1 = true;
} else {
  cbool_1 = false;
}
while (cbool_1) {
  if (cint_2 == 0 && c[0] == 1 || cint_2 == 1 && c[1] == 1 || cint_2 == 2 && c[2] == 1 || cint_2 == 3 && c[3] == 1 || cint_2 == 4 && c[4] == 1) {
    cint_3 = 1;
    if (cint_2 == 1) {
      cint_3 = 2;
    } else {
      if (cint_2 == 2) {
        cint_3 = 4;
      } else {
        if (cint_2 == 3) {
          cint_3 = 8;
        } else {
          if (cint_2 == 4) {
            cint_3 = 16;
          } else {
            if (cint_2 == 5) {
              cint_3 = 32;
            }
          }
        }
      }
    }
    cint_4 = 0;
    if (cint_2 == 0) {
      cint_4 = 1;
    }
    cint_1 = ((cint_1 % 2 + (cint_3 + 0) % 2) - (cint_1 % 2) * ((cint_3 + 0) % 2)) + (((cint_1 / 2) % 2 + ((cint_3 + 0) / 2) % 2) - ((cint_1 / 2) % 2) * (((cint_3 + 0) / 2) % 2)) * 2 + (((cint_1 / 4) % 2 + ((cint_3 + 0) / 4) % 2) - ((cint_1 / 4) % 2) * (((cint_3 + 0) / 4) % 2)) * 4 + (((cint_1 / 8) % 2 + ((cint_3 + 0) / 8) % 2) - ((cint_1 / 8) % 2) * (((cint_3 + 0) / 8) % 2)) * 8 + (((cint_1 / 16) % 2 + ((cint_3 + 0) / 16) % 2) - ((cint_1 / 16) % 2) * (((cint_3 + 0) / 16) % 2)) * 16 + (((cint_1 / 32) % 2 + ((cint_3 + 0) / 32) % 2) - ((cint_1 / 32) % 2) * (((cint_3 + 0) / 32) % 2)) * 32 + ((cint_1 / 64) % 2) * 64 + ((cint_1 / 128) % 2) * 128;
  }
  cint_2 = cint_2 + 1;
  if (cint_2 <= 4) {
    cbool_1 = true;
  } else {
    cbool_1 = false;
  }
}
cint_5 = 0;
cbool_2 = false;
cint_6 = 0;
while (cint_6 < 5) {
  if (cint_6 == 0 && c[0] == 1 || cint_6 == 1 && c[1] == 1 || cint_6 == 2 && c[2] == 1 || cint_6 == 3 && c[3] == 1 || cint_6 == 4 && c[4] == 1) {
    cint_5 = cint_5 + 1;
    cbool_3 = !cbool_2;
  } else {
    cbool_3 = cbool_2;
  }
  cbool_2 = cbool_3;
  cint_6 = cint_6 + 1;
}
if (cint_1 % 3 == 1) {
  x q[5];
} else {
  if (cint_1 >= 20 && cint_5 <= 3) {
    h q[5];
  }
}
c[5] = measure q[5];
reset q[5];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
