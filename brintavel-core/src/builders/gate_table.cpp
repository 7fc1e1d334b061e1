#include "builders/gate_table.hpp"

#include <array>

namespace brintavel::builders {

namespace {

// In printing order of the definitions: a body uses only gates defined above it.
constexpr std::array<NativeGate, 20> kNativeGates = {{
    {"h", 0, 1, "", ""},
    {"x", 0, 1, "", ""},
    {"y", 0, 1, "", ""},
    {"z", 0, 1, "", ""},
    {"s", 0, 1, "", ""},
    {"t", 0, 1, "", ""},
    {"rx", 1, 1, "", ""},
    {"ry", 1, 1, "", ""},
    {"rz", 1, 1, "", ""},
    {"cy", 0, 2, "", ""},
    {"cz", 0, 2, "", ""},
    {"swap", 0, 2, "", ""},
    {"cswap", 0, 3, "", ""},
    {"cnot", 0, 2, "a, b", "cx a, b;"},
    {"ccnot", 0, 3, "a, b, c", "ccx a, b, c;"},
    {"cphaseshift", 1, 2, "(theta) a, b", "cp(theta) a, b;"},
    {"xx", 1, 2, "(theta) a, b", "h a; h b; cx a, b; rz(theta) b; cx a, b; h a; h b;"},
    {"yy", 1, 2, "(theta) a, b", "sdg a; sdg b; xx(theta) a, b; s a; s b;"},
    {"zz", 1, 2, "(theta) a, b", "cx a, b; rz(theta) b; cx a, b;"},
    {"prx", 2, 1, "(theta, phi) a", "rz(-phi) a; rx(theta) a; rz(phi) a;"},
}};

constexpr std::array<QirGate, 22> kQirGates = {{
    {"__quantum__qis__h__body", "h", false},
    {"__quantum__qis__x__body", "x", false},
    {"__quantum__qis__y__body", "y", false},
    {"__quantum__qis__z__body", "z", false},
    {"__quantum__qis__s__body", "s", false},
    {"__quantum__qis__s__adj", "s", true},
    {"__quantum__qis__t__body", "t", false},
    {"__quantum__qis__t__adj", "t", true},
    {"__quantum__qis__cnot__body", "cnot", false},
    {"__quantum__qis__cx__body", "cnot", false},
    {"__quantum__qis__cy__body", "cy", false},
    {"__quantum__qis__cz__body", "cz", false},
    {"__quantum__qis__swap__body", "swap", false},
    {"__quantum__qis__rx__body", "rx", false},
    {"__quantum__qis__ry__body", "ry", false},
    {"__quantum__qis__rz__body", "rz", false},
    {"__quantum__qis__rxx__body", "xx", false},
    {"__quantum__qis__ryy__body", "yy", false},
    {"__quantum__qis__rzz__body", "zz", false},
    {"__quantum__qis__ccx__body", "ccnot", false},
    {"__quantum__qis__ccnot__body", "ccnot", false},
    {"__quantum__qis__phasedx__body", "prx", false},
}};

constexpr std::array<ControlledGate, 6> kControlledGates = {{
    {"x", 1, 1, "cnot"},
    {"x", 2, 1, "ccnot"},
    {"y", 1, 1, "cy"},
    {"z", 1, 1, "cz"},
    {"swap", 1, 2, "cswap"},
    {"phaseshift", 1, 1, "cphaseshift"},
}};

}  // namespace

std::span<const NativeGate> native_gates() { return kNativeGates; }
std::span<const QirGate> qir_gates() { return kQirGates; }
std::span<const ControlledGate> controlled_gates() { return kControlledGates; }

const NativeGate* find_native_gate(std::string_view name) {
  for (const NativeGate& g : kNativeGates)
    if (g.name == name) return &g;
  return nullptr;
}

std::string definitions_text() {
  std::string out = "include \"stdgates.inc\";\n";
  for (const NativeGate& g : kNativeGates) {
    if (g.body.empty()) continue;
    out.append("gate ");
    out.append(g.name);
    out.append(g.parameters.starts_with('(') ? "" : " ");
    out.append(g.parameters);
    out.append(" { ");
    out.append(g.body);
    out.append(" }\n");
  }
  return out;
}

}  // namespace brintavel::builders
