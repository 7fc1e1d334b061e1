OPENQASM 3.0;
qubit[2] q;
bit[3] bits = "000";
h q[0];
x q[1];
rz(9.42477796076938) q[0];
h q[0];
bits[0] = measure q[0];
reset q[0];
h q[0];
rz(4.71238898038469) q[0];
if (bits[0]) {
  rz(10.995574287564276) q[0];
}
h q[0];
bits[1] = measure q[0];
reset q[0];
h q[0];
rz(2.356194490192345) q[0];
if (bits[0]) {
  rz(11.780972450961723) q[0];
}
if (bits[1]) {
  rz(10.995574287564276) q[0];
}
h q[0];
bits[2] = measure q[0];
reset q[0];
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"custom"}
