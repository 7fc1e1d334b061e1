OPENQASM 3.0;
qubit[3] q;
bit[3] c;
int cint_0 = 0;
int cint_1 = 0;
bool cbool_0 = false;
int cint_2 = 0;
int cint_3 = 0;
int cint_4 = 0;
int cint_5 = 0;
while (cint_0 < 3) {
  if (cint_0 == 0) {
    h q[0];
  }
  if (cint_0 == 1) {
    h q[1];
  }
  if (cint_0 == 2) {
    h q[2];
  }
  cint_0 = cint_0 + 1;
}
cint_1 = 1;
if (cint_1 <= 2) {
  cbool_0 = true;
} else {
  cbool_0 = false;
}
while (cbool_0) {
  x q[1];
  h q[2];
  ccnot q[0], q[1], q[2];
  h q[2];
  x q[1];
  cint_2 = 0;
  while (cint_2 < 3) {
    if (cint_2 == 0) {
      h q[0];
    }
    if (cint_2 == 1) {
      h q[1];
    }
    if (cint_2 == 2) {
      h q[2];
    }
    cint_2 = cint_2 + 1;
  }
  cint_3 = 0;
  while (cint_3 < 3) {
    if (cint_3 == 0) {
      x q[0];
    }
    if (cint_3 == 1) {
      x q[1];
    }
    if (cint_3 == 2) {
      x q[2];
    }
    cint_3 = cint_3 + 1;
  }
  h q[2];
  ccnot q[0], q[1], q[2];
  h q[2];
  cint_4 = 2;
  while (cint_4 >= 0) {
    if (cint_4 == -1 || cint_4 == 2) {
      x q[2];
    }
    if (cint_4 == 0) {
      x q[0];
    }
    if (cint_4 == 1) {
      x q[1];
    }
    cint_4 = cint_4 + -1;
  }
  cint_5 = 2;
  while (cint_5 >= 0) {
    if (cint_5 == -1 || cint_5 == 2) {
      h q[2];
    }
    if (cint_5 == 0) {
      h q[0];
    }
    if (cint_5 == 1) {
      h q[1];
    }
    cint_5 = cint_5 + -1;
  }
  cint_1 = cint_1 + 1;
  if (cint_1 <= 2) {
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
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"adaptive_profile"}
