#include "builders/gate_table.hpp"

#include <array>
#include <bit>
#include <numeric>

namespace brintavel::builders {

namespace {

// In printing order of the definitions: a body uses only gates defined above it.
constexpr std::array<NativeGate, 20> kNativeGates = {{
    {"h", 0, 1, Inverse::Self, "", ""},
    {"x", 0, 1, Inverse::Self, "", ""},
    {"y", 0, 1, Inverse::Self, "", ""},
    {"z", 0, 1, Inverse::Self, "", ""},
    {"s", 0, 1, Inverse::Modifier, "", ""},
    {"t", 0, 1, Inverse::Modifier, "", ""},
    {"rx", 1, 1, Inverse::NegatedAngle, "", ""},
    {"ry", 1, 1, Inverse::NegatedAngle, "", ""},
    {"rz", 1, 1, Inverse::NegatedAngle, "", ""},
    {"cy", 0, 2, Inverse::Self, "", ""},
    {"cz", 0, 2, Inverse::Self, "", ""},
    {"swap", 0, 2, Inverse::Self, "", ""},
    {"cswap", 0, 3, Inverse::Self, "", ""},
    {"cnot", 0, 2, Inverse::Self, "a, b", "cx a, b;"},
    {"ccnot", 0, 3, Inverse::Self, "a, b, c", "ccx a, b, c;"},
    {"cphaseshift", 1, 2, Inverse::NegatedAngle, "(theta) a, b", "cp(theta) a, b;"},
    {"xx", 1, 2, Inverse::NegatedAngle, "(theta) a, b", "h a; h b; cx a, b; rz(theta) b; cx a, b; h a; h b;"},
    {"yy", 1, 2, Inverse::NegatedAngle, "(theta) a, b", "sdg a; sdg b; xx(theta) a, b; s a; s b;"},
    {"zz", 1, 2, Inverse::NegatedAngle, "(theta) a, b", "cx a, b; rz(theta) b; cx a, b;"},
    {"prx", 2, 1, Inverse::NegatedAngle, "(theta, phi) a", "rz(-phi) a; rx(theta) a; rz(phi) a;"},
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

// ---- Rewrites --------------------------------------------------------------------------

namespace {

constexpr std::string_view kTheta[] = {"θ"};
constexpr std::string_view kLambda[] = {"λ"};
constexpr std::string_view kU3[] = {"θ", "φ", "λ"};
constexpr std::string_view kTk2[] = {"α", "β", "γ"};

Ratio ratio(std::int64_t num, std::int64_t den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  std::int64_t g = std::gcd(num, den);
  return {static_cast<std::int32_t>(num / g), static_cast<std::int32_t>(den / g)};
}
Ratio operator*(Ratio a, Ratio b) {
  return ratio(std::int64_t{a.num} * b.num, std::int64_t{a.den} * b.den);
}
Ratio operator+(Ratio a, Ratio b) {
  return ratio(std::int64_t{a.num} * b.den + std::int64_t{b.num} * a.den, std::int64_t{a.den} * b.den);
}

// The gate's angle i, and multiples of pi.
AngleForm angle(std::size_t i) {
  AngleForm a;
  a.of[i] = {1, 1};
  return a;
}
AngleForm pi(std::int32_t num, std::int32_t den) {
  AngleForm a;
  a.pi = ratio(num, den);
  return a;
}
AngleForm operator*(const AngleForm& a, Ratio r) {
  AngleForm out;
  for (std::size_t i = 0; i < a.of.size(); ++i) out.of[i] = a.of[i] * r;
  out.pi = a.pi * r;
  return out;
}
AngleForm operator+(const AngleForm& a, const AngleForm& b) {
  AngleForm out;
  for (std::size_t i = 0; i < a.of.size(); ++i) out.of[i] = a.of[i] + b.of[i];
  out.pi = a.pi + b.pi;
  return out;
}
constexpr Ratio kHalf{1, 2};
constexpr Ratio kMinusHalf{-1, 2};

using Qubit = std::uint8_t;
using Controls = std::span<const Qubit>;

// Appends the native gates of the constructions below.
class Steps {
 public:
  void add(std::string_view gate, std::array<Qubit, 3> qubits, AngleForm a = {}) {
    steps_.push_back(RewriteStep{gate, {a, AngleForm{}}, qubits});
  }

  // diag(1, e^{i lambda}) on `target` when every control is 1: the phase e^{i lambda c t},
  // with c the product of the controls, as the product over the nonempty sets S of controls
  // of e^{i a_S t parity(S)}, a_S = (-1)^{|S|-1} lambda / 2^{n-1}. Each factor is a controlled
  // phase between the target and the highest control of S while that control holds the
  // parity of S; the sets with the same highest control are taken in Gray-code order, so one
  // CNOT moves from one to the next (2^n - 1 controlled phases and 2^n - 2 CNOTs in all).
  void controlled_phase(Controls controls, Qubit target, const AngleForm& lambda) {
    std::size_t n = controls.size();
    if (n == 1) return add("cphaseshift", {controls[0], target}, lambda);
    for (std::size_t high = 0; high < n; ++high) {
      for (std::uint32_t k = 0; k < (1u << high); ++k) {
        if (k > 0) add("cnot", {controls[static_cast<std::size_t>(std::countr_zero(k))], controls[high]});
        int size = std::popcount(k ^ (k >> 1)) + 1;
        add("cphaseshift", {controls[high], target},
            lambda * ratio(size % 2 == 1 ? 1 : -1, std::int64_t{1} << (n - 1)));
      }
      if (high > 0) add("cnot", {controls[high - 1], controls[high]});
    }
  }

  void controlled_x(Controls controls, Qubit target) {
    if (controls.size() == 1) return add("cnot", {controls[0], target});
    if (controls.size() == 2) return add("ccnot", {controls[0], controls[1], target});
    add("h", {target});
    controlled_phase(controls, target, pi(1, 1));
    add("h", {target});
  }

  void controlled_z(Controls controls, Qubit target) {
    if (controls.size() == 1) return add("cz", {controls[0], target});
    if (controls.size() >= 3) return controlled_phase(controls, target, pi(1, 1));
    add("h", {target});
    add("ccnot", {controls[0], controls[1], target});
    add("h", {target});
  }

  // A controlled rotation: R(theta/2), the controlled P, R(-theta/2), the controlled P, where
  // P reverses the rotation (P R(a) P = R(-a)): the two halves cancel unless every control is
  // 1, and then add up.
  void controlled_rotation(std::string_view rotation, bool reversed_by_z, Controls controls,
                           Qubit target, const AngleForm& theta) {
    for (Ratio half : {kHalf, kMinusHalf}) {
      add(rotation, {target}, theta * half);
      if (reversed_by_z) {
        controlled_z(controls, target);
      } else {
        controlled_x(controls, target);
      }
    }
  }

  std::vector<RewriteStep> take() { return std::move(steps_); }

 private:
  std::vector<RewriteStep> steps_;
};

// A controlled operation's rewrite for the controls 0..n-1 and the targets after them.
struct ControlledFamily {
  std::string_view op;
  std::int64_t targets;
  std::span<const std::string_view> angle_names;
  std::int64_t fewest_controls;  // fewer have a native gate, or are no controlled gate
  void (*build)(Steps&, Controls, Qubit a, Qubit b);
};

constexpr ControlledFamily kControlledFamilies[] = {
    {"x", 1, {}, 3, [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_x(c, t); }},
    {"y", 1, {}, 2,
     [](Steps& s, Controls c, Qubit t, Qubit) {  // Y = rz(pi/2) X rz(-pi/2)
       s.add("rz", {t}, pi(-1, 2));
       s.controlled_x(c, t);
       s.add("rz", {t}, pi(1, 2));
     }},
    {"z", 1, {}, 2, [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_z(c, t); }},
    {"h", 1, {}, 1,
     [](Steps& s, Controls c, Qubit t, Qubit) {  // H = ry(pi/4) Z ry(-pi/4)
       s.add("ry", {t}, pi(-1, 4));
       s.controlled_z(c, t);
       s.add("ry", {t}, pi(1, 4));
     }},
    {"s", 1, {}, 1, [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_phase(c, t, pi(1, 2)); }},
    {"t", 1, {}, 1, [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_phase(c, t, pi(1, 4)); }},
    {"r1", 1, kLambda, 1, [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_phase(c, t, angle(0)); }},
    {"phaseshift", 1, kLambda, 2,
     [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_phase(c, t, angle(0)); }},
    {"rx", 1, kTheta, 1,
     [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_rotation("rx", true, c, t, angle(0)); }},
    {"ry", 1, kTheta, 1,
     [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_rotation("ry", false, c, t, angle(0)); }},
    {"rz", 1, kTheta, 1,
     [](Steps& s, Controls c, Qubit t, Qubit) { s.controlled_rotation("rz", false, c, t, angle(0)); }},
    {"u3", 1, kU3, 1,
     [](Steps& s, Controls c, Qubit t, Qubit) {  // U(theta, phi, lambda) = P(phi) ry(theta) P(lambda)
       s.controlled_phase(c, t, angle(2));
       s.controlled_rotation("ry", false, c, t, angle(0));
       s.controlled_phase(c, t, angle(1));
     }},
    {"swap", 2, {}, 2,
     [](Steps& s, Controls c, Qubit a, Qubit b) {  // SWAP = CNOT(a, b) CNOT(b, a) CNOT(a, b)
       std::vector<Qubit> with_b(c.begin(), c.end());
       with_b.push_back(b);
       s.add("cnot", {a, b});
       s.controlled_x(with_b, a);
       s.add("cnot", {a, b});
     }},
};

std::vector<GateRewrite> build_rewrites() {
  std::vector<GateRewrite> table;
  auto function = [&](std::string_view name, std::int64_t qubits, std::span<const std::string_view> angles,
                      AngleForm phase, std::vector<RewriteStep> steps) {
    table.push_back(GateRewrite{name, false, 0, qubits, angles, phase, std::move(steps)});
  };
  auto step = [](std::string_view gate, std::array<Qubit, 3> qubits, AngleForm a = {}, AngleForm b = {}) {
    return RewriteStep{gate, {a, b}, qubits};
  };
  // U(theta, phi, lambda) = e^{i (phi + lambda) / 2} rz(phi) ry(theta) rz(lambda).
  function("__quantum__qis__u3__body", 1, kU3, (angle(1) + angle(2)) * kHalf,
           {step("rz", {0}, angle(2)), step("ry", {0}, angle(0)), step("rz", {0}, angle(1))});
  // diag(1, e^{i lambda}) = e^{i lambda / 2} rz(lambda).
  function("__quantum__qis__r1__body", 1, kLambda, angle(0) * kHalf, {step("rz", {0}, angle(0))});
  function("__quantum__qis__phaseshift__body", 1, kLambda, angle(0) * kHalf, {step("rz", {0}, angle(0))});
  // sqrt(X) = e^{i pi / 4} rx(pi / 2).
  function("__quantum__qis__sx__body", 1, {}, pi(1, 4), {step("rx", {0}, pi(1, 2))});
  // pytket's ZZMax = e^{-i pi/4 ZZ}, ZZPhase and TK2 (angles in radians, as pytket-qir writes
  // them): TK2(a, b, c) = e^{-i/2 (a XX + b YY + c ZZ)}, whose three factors commute.
  function("__quantum__qis__zzmax__body", 2, {}, {}, {step("zz", {0, 1}, pi(1, 2))});
  function("__quantum__qis__zzphase__body", 2, kTheta, {}, {step("zz", {0, 1}, angle(0))});
  function("__quantum__qis__rxxyyzz__body", 2, kTk2, {},
           {step("xx", {0, 1}, angle(0)), step("yy", {0, 1}, angle(1)), step("zz", {0, 1}, angle(2))});

  for (const ControlledFamily& family : kControlledFamilies) {
    for (std::int64_t n = family.fewest_controls; n <= kMaxRewriteControls; ++n) {
      std::array<Qubit, kMaxRewriteControls> all{};
      for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Qubit>(i);
      Controls controls(all.data(), static_cast<std::size_t>(n));
      Steps steps;
      family.build(steps, controls, static_cast<Qubit>(n), static_cast<Qubit>(n + 1));
      table.push_back(GateRewrite{family.op, true, n, family.targets, family.angle_names, {}, steps.take()});
    }
  }
  return table;
}

void append_term(std::string& out, Ratio r, std::string_view symbol) {
  if (r.num == 0) return;
  bool negative = r.num < 0;
  if (out.empty()) {
    if (negative) out.push_back('-');
  } else {
    out.append(negative ? " - " : " + ");
  }
  std::int32_t num = negative ? -r.num : r.num;
  if (num != 1) out.append(std::to_string(num)).push_back('*');
  out.append(symbol);
  if (r.den != 1) out.append("/").append(std::to_string(r.den));
}

}  // namespace

std::span<const GateRewrite> gate_rewrites() {
  static const std::vector<GateRewrite> table = build_rewrites();
  return table;
}

const GateRewrite* find_function_rewrite(std::string_view function) {
  for (const GateRewrite& r : gate_rewrites())
    if (!r.controlled && r.name == function) return &r;
  return nullptr;
}

const GateRewrite* find_controlled_rewrite(std::string_view op, std::int64_t controls,
                                           std::int64_t targets) {
  for (const GateRewrite& r : gate_rewrites())
    if (r.controlled && r.name == op && r.controls == controls && r.targets == targets) return &r;
  return nullptr;
}

bool has_controlled_rewrites(std::string_view op, std::int64_t targets) {
  for (const ControlledFamily& family : kControlledFamilies)
    if (family.op == op && family.targets == targets) return true;
  return false;
}

std::string angle_text(const AngleForm& angle, std::span<const std::string_view> names) {
  std::string out;
  for (std::size_t i = 0; i < names.size() && i < angle.of.size(); ++i) append_term(out, angle.of[i], names[i]);
  append_term(out, angle.pi, "π");
  return out.empty() ? "0" : out;
}

}  // namespace brintavel::builders
