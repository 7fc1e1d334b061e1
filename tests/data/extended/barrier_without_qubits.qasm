OPENQASM 3.0;
qubit[1] q;
barrier q;
// generated-by: {"name":"brintavel","version":"0.2.0","profile":"base_profile"}
