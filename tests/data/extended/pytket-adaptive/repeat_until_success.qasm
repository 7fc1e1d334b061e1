OPENQASM 3.0;
qubit[2] q;
bit[2] c;
int cint_0 = 0;
int cint_1 = 0;
if (false) {
} else {
  h q[0];
}
if (false) {
} else {
  cint_0 = 1;
}
if (false) {
} else {
  t q[0];
}
if (false) {
} else {
  h q[0];
}
if (false) {
} else {
  c[0] = measure q[0];
  cint_1 = c[0];
}
reset q[0];
if (1 == cint_1) {
} else {
  cint_0 = cint_0 + 1;
}
if (1 == cint_1) {
} else {
  h q[0];
}
if (1 == cint_1) {
} else {
  t q[0];
}
if (1 == cint_1) {
} else {
  h q[0];
}
if (1 == cint_1) {
} else {
  c[0] = measure q[0];
  cint_1 = c[0] * ((c[0] + cint_1) - c[0] * cint_1);
}
reset q[0];
if (1 == cint_1) {
} else {
  cint_0 = cint_0 + 1;
}
if (1 == cint_1) {
} else {
  h q[0];
}
if (1 == cint_1) {
} else {
  t q[0];
}
if (1 == cint_1) {
} else {
  h q[0];
}
if (1 == cint_1) {
} else {
  c[0] = measure q[0];
  cint_1 = c[0] * ((c[0] + cint_1) - c[0] * cint_1);
}
reset q[0];
if (1 == cint_1) {
  x q[1];
}
c[1] = measure q[1];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
