"""Generators of large and hostile QIR programs for the robustness tests."""

DECLARATIONS = """\
declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__cnot__body(ptr, ptr)
declare void @__quantum__qis__rz__body(double, ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
declare i1 @__quantum__rt__read_result(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
"""


def ptr(index: int) -> str:
    return "ptr null" if index == 0 else f"ptr inttoptr (i64 {index} to ptr)"


def module(body: list[str]) -> str:
    return "define void @main() #0 {\n" + "\n".join(body) + "\n}\n" + DECLARATIONS


def straight_line(calls: int, qubits: int = 32) -> str:
    body = ["entry:"]
    for i in range(calls):
        a, b = i % qubits, (i * 7 + 1) % qubits
        if a == b:
            b = (a + 1) % qubits
        kind = i % 4
        if kind == 0:
            body.append(f"  call void @__quantum__qis__h__body({ptr(a)})")
        elif kind == 1:
            body.append(f"  call void @__quantum__qis__cnot__body({ptr(a)}, {ptr(b)})")
        elif kind == 2:
            body.append(f"  call void @__quantum__qis__rz__body(double {0.001 * i!r}, {ptr(a)})")
        else:
            body.append(f"  call void @__quantum__qis__mz__body({ptr(a)}, {ptr(i % 100)})")
    body.append("  ret void")
    return module(body)


def doubling_chain(links: int) -> str:
    """Each value is the sum of the previous one with itself: the expression doubles per line."""
    body = ["entry:", "  %x0 = add i64 1, 2"]
    body += [f"  %x{i} = add i64 %x{i - 1}, %x{i - 1}" for i in range(1, links + 1)]
    body += [
        f"  %q = inttoptr i64 %x{links} to ptr",
        "  call void @__quantum__qis__h__body(ptr null)",
        "  ret void",
    ]
    return module(body)


def dependent_chain(links: int) -> str:
    """A long chain of dependent arithmetic feeding one gate angle."""
    body = ["entry:", "  %x0 = add i64 0, 1"]
    body += [f"  %x{i} = add i64 %x{i - 1}, 1" for i in range(1, links + 1)]
    body += [f"  call void @__quantum__qis__rz__body(double %x{links}, ptr null)", "  ret void"]
    return module(body)


def nested_ifs(depth: int) -> str:
    """b_i branches into b_{i+1} or straight to j_i; every j_{i+1} falls through to j_i."""
    body = ["entry:", "  br label %b0"]
    for i in range(depth):
        body += [
            f"b{i}:",
            f"  call void @__quantum__qis__mz__body({ptr(i % 8)}, {ptr(i % 50)})",
            f"  %r{i} = call i1 @__quantum__rt__read_result({ptr(i % 50)})",
            f"  br i1 %r{i}, label %b{i + 1}, label %j{i}",
        ]
    body += [f"b{depth}:", f"  call void @__quantum__qis__x__body({ptr(0)})", f"  br label %j{depth - 1}"]
    for i in range(depth - 1, -1, -1):
        body += [f"j{i}:", f"  br label %j{i - 1}" if i > 0 else "  ret void"]
    return module(body)


def nested_loops(depth: int) -> str:
    """h_i loops over its body, which runs the loop at level i+1."""
    body = ["entry:", "  br label %h0"]
    for i in range(depth):
        body += [
            f"h{i}:",
            f"  %r{i} = call i1 @__quantum__rt__read_result({ptr(i % 50)})",
            f"  br i1 %r{i}, label %s{i}, label %e{i}",
            f"s{i}:",
            f"  br label %{'h' + str(i + 1) if i + 1 < depth else 'core'}",
        ]
    body += ["core:", f"  call void @__quantum__qis__x__body({ptr(1)})", f"  br label %h{depth - 1}"]
    for i in range(depth - 1, -1, -1):
        body += [f"e{i}:", f"  br label %h{i - 1}" if i > 0 else "  ret void"]
    return module(body)


def sequential_ifs(count: int) -> str:
    """Measurement-conditioned corrections one after another."""
    body = ["entry:", "  br label %b0"]
    for i in range(count):
        body += [
            f"b{i}:",
            f"  call void @__quantum__qis__mz__body({ptr(i % 8)}, {ptr(i % 50)})",
            f"  %r{i} = call i1 @__quantum__rt__read_result({ptr(i % 50)})",
            f"  br i1 %r{i}, label %fix{i}, label %b{i + 1}",
            f"fix{i}:",
            f"  call void @__quantum__qis__x__body({ptr(i % 8)})",
            f"  br label %b{i + 1}",
        ]
    body += [f"b{count}:", "  ret void"]
    return module(body)


def call_tree(levels: int, fanout: int) -> str:
    """@main calls @f0; each @f<i> calls @f<i+1> `fanout` times, and the last one applies x."""
    definitions = []
    for i in range(levels):
        calls = [f"  call void @f{i + 1}(ptr %q)"] * fanout
        definitions += [f"define internal void @f{i}(ptr %q) {{", "entry:", *calls, "  ret void", "}"]
    definitions += [
        f"define internal void @f{levels}(ptr %q) {{",
        "entry:",
        "  call void @__quantum__qis__x__body(ptr %q)",
        "  ret void",
        "}",
    ]
    return module(["entry:", "  call void @f0(ptr null)", "  ret void"]) + "\n".join(definitions) + "\n"
