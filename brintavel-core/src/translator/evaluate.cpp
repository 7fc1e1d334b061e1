#include "translator/evaluate.hpp"

#include <cmath>
#include <limits>

#include "support/int128.hpp"
#include "support/text.hpp"

namespace brintavel::translator {

using text::Int128;

namespace {

std::uint64_t mask_of(unsigned width) { return width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1; }

// The unsigned value of an integer of `width` bits.
std::uint64_t unsigned_of(const Value& a) { return static_cast<std::uint64_t>(a.as_integer()) & mask_of(a.width); }

bool is_float_type(std::string_view ty) { return ty == "double" || ty == "float" || ty == "half"; }

// A double rounded to the precision of `ty`.
double round_to(double v, std::string_view ty) {
  if (ty == "float") return static_cast<double>(static_cast<float>(v));
  return v;
}

}  // namespace

Value Value::integer(std::int64_t x, unsigned width) {
  return Value{wrap_to(static_cast<std::uint64_t>(x), width == 1 ? 1 : width), width};
}

std::int64_t wrap_to(std::uint64_t v, unsigned width) {
  if (width >= 64) return static_cast<std::int64_t>(v);
  if (width == 1) return static_cast<std::int64_t>(v & 1);  // i1 values are 0 and 1
  std::uint64_t m = mask_of(width);
  v &= m;
  if ((v >> (width - 1)) & 1) v |= ~m;
  return static_cast<std::int64_t>(v);
}

std::optional<Value> constant_value(const ir::Operand& operand, std::string_view ty) {
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return Value::integer(b->value ? 1 : 0, 1);
  if (const auto* f = std::get_if<ir::ConstFloat>(&operand)) return Value::real(round_to(f->value, ty));
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    auto width = integer_width(ty);
    if (is_float_type(ty) || !width) return std::nullopt;
    return Value::integer(static_cast<std::int64_t>(i->value.low()), *width);
  }
  return std::nullopt;
}

std::optional<Value> evaluate_arith(ir::ArithOp op, const Value& a, const Value& b, bool no_signed_wrap) {
  if (!a.is_integer() || !b.is_integer()) return std::nullopt;
  unsigned w = a.width;
  auto x = static_cast<std::uint64_t>(a.as_integer()), y = static_cast<std::uint64_t>(b.as_integer());
  std::uint64_t r = op == ir::ArithOp::Add ? x + y : op == ir::ArithOp::Sub ? x - y : x * y;
  Value result = Value::integer(static_cast<std::int64_t>(r), w);
  if (no_signed_wrap) {
    // Poison when the signed result overflows.
    Int128 exact = op == ir::ArithOp::Add   ? Int128(a.as_integer()) + Int128(b.as_integer())
                   : op == ir::ArithOp::Sub ? Int128(a.as_integer()) - Int128(b.as_integer())
                                            : Int128::product(a.as_integer(), b.as_integer());
    if (!(exact == Int128(result.as_integer()))) return std::nullopt;
  }
  return result;
}

std::optional<Value> evaluate_int_op(ir::IntOpKind op, const Value& a, const Value& b) {
  if (!a.is_integer() || !b.is_integer()) return std::nullopt;
  unsigned w = a.width;
  std::uint64_t x = unsigned_of(a), y = unsigned_of(b);
  std::int64_t sx = a.as_integer(), sy = b.as_integer();
  auto out = [&](std::uint64_t r) { return Value::integer(static_cast<std::int64_t>(r), w); };
  switch (op) {
    case ir::IntOpKind::And: return out(x & y);
    case ir::IntOpKind::Or: return out(x | y);
    case ir::IntOpKind::Xor: return out(x ^ y);
    case ir::IntOpKind::Shl:
      if (y >= w) return std::nullopt;
      return out(x << y);
    case ir::IntOpKind::LShr:
      if (y >= w) return std::nullopt;
      return out(x >> y);
    case ir::IntOpKind::AShr:
      if (y >= w) return std::nullopt;
      return out(static_cast<std::uint64_t>(sx >> y));
    case ir::IntOpKind::UDiv:
      if (y == 0) return std::nullopt;
      return out(x / y);
    case ir::IntOpKind::URem:
      if (y == 0) return std::nullopt;
      return out(x % y);
    case ir::IntOpKind::SDiv:
    case ir::IntOpKind::SRem: {
      if (sy == 0) return std::nullopt;
      std::int64_t min = w >= 64 ? std::numeric_limits<std::int64_t>::min() : -(std::int64_t{1} << (w - 1));
      if (sx == min && sy == -1) return std::nullopt;  // overflow: undefined
      return out(static_cast<std::uint64_t>(op == ir::IntOpKind::SDiv ? sx / sy : sx % sy));
    }
  }
  return std::nullopt;
}

std::optional<Value> evaluate_cast(ir::CastKind kind, const Value& a, std::string_view to_ty) {
  auto to = integer_width(to_ty);
  switch (kind) {
    case ir::CastKind::Trunc:
      if (!a.is_integer() || !to) return std::nullopt;
      return Value::integer(a.as_integer(), *to);
    case ir::CastKind::ZExt:
      if (!a.is_integer() || !to) return std::nullopt;
      return Value::integer(static_cast<std::int64_t>(unsigned_of(a)), *to);
    case ir::CastKind::SExt:
      if (!a.is_integer() || !to) return std::nullopt;
      return Value::integer(a.width == 1 ? -a.as_integer() : a.as_integer(), *to);
    case ir::CastKind::SIToFP:
      if (!a.is_integer()) return std::nullopt;
      return Value::real(round_to(static_cast<double>(a.width == 1 ? -a.as_integer() : a.as_integer()), to_ty));
    case ir::CastKind::UIToFP:
      if (!a.is_integer()) return std::nullopt;
      return Value::real(round_to(static_cast<double>(unsigned_of(a)), to_ty));
    case ir::CastKind::FPToSI:
    case ir::CastKind::FPToUI: {
      if (a.is_integer() || !to) return std::nullopt;
      double t = std::trunc(a.as_real());
      bool is_signed = kind == ir::CastKind::FPToSI;
      double lo = is_signed ? -std::ldexp(1.0, static_cast<int>(*to) - 1) : 0.0;
      double hi = std::ldexp(1.0, static_cast<int>(*to) - (is_signed ? 1 : 0));
      if (!(t >= lo && t < hi) || t >= std::ldexp(1.0, 63)) return std::nullopt;  // poison
      return Value::integer(static_cast<std::int64_t>(t), *to);
    }
    case ir::CastKind::FPExt:
      if (a.is_integer()) return std::nullopt;
      return a;
    case ir::CastKind::FPTrunc:
      if (a.is_integer()) return std::nullopt;
      return Value::real(round_to(a.as_real(), to_ty));
  }
  return std::nullopt;
}

std::optional<Value> evaluate_float_op(ir::FloatOpKind op, const Value& a, const Value& b, std::string_view ty) {
  if (a.is_integer() || b.is_integer()) return std::nullopt;
  double x = a.as_real(), y = b.as_real();
  if (ty == "float") {
    auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    switch (op) {
      case ir::FloatOpKind::FAdd: return Value::real(fx + fy);
      case ir::FloatOpKind::FSub: return Value::real(fx - fy);
      case ir::FloatOpKind::FMul: return Value::real(fx * fy);
      case ir::FloatOpKind::FDiv: return Value::real(fx / fy);
      case ir::FloatOpKind::FRem: return Value::real(std::fmod(fx, fy));
    }
  }
  switch (op) {
    case ir::FloatOpKind::FAdd: return Value::real(x + y);
    case ir::FloatOpKind::FSub: return Value::real(x - y);
    case ir::FloatOpKind::FMul: return Value::real(x * y);
    case ir::FloatOpKind::FDiv: return Value::real(x / y);
    case ir::FloatOpKind::FRem: return Value::real(std::fmod(x, y));
  }
  return std::nullopt;
}

std::optional<Value> evaluate_icmp(std::string_view p, const Value& a, const Value& b) {
  if (!a.is_integer() || !b.is_integer()) return std::nullopt;
  // i1 values are 0 and 1; read as signed they are 0 and -1.
  std::int64_t sx = a.width == 1 ? -a.as_integer() : a.as_integer();
  std::int64_t sy = b.width == 1 ? -b.as_integer() : b.as_integer();
  std::uint64_t ux = unsigned_of(a), uy = unsigned_of(b);
  bool r;
  if (p == "eq") r = ux == uy;
  else if (p == "ne") r = ux != uy;
  else if (p == "slt") r = sx < sy;
  else if (p == "sle") r = sx <= sy;
  else if (p == "sgt") r = sx > sy;
  else if (p == "sge") r = sx >= sy;
  else if (p == "ult") r = ux < uy;
  else if (p == "ule") r = ux <= uy;
  else if (p == "ugt") r = ux > uy;
  else if (p == "uge") r = ux >= uy;
  else return std::nullopt;
  return Value::integer(r ? 1 : 0, 1);
}

std::optional<Value> evaluate_fcmp(std::string_view p, const Value& a, const Value& b) {
  if (a.is_integer() || b.is_integer()) return std::nullopt;
  double x = a.as_real(), y = b.as_real();
  bool unordered = std::isnan(x) || std::isnan(y);
  auto result = [](bool v) { return Value::integer(v ? 1 : 0, 1); };
  if (p == "true") return result(true);
  if (p == "false") return result(false);
  if (p == "ord") return result(!unordered);
  if (p == "uno") return result(unordered);
  if (p.size() != 3 || (p[0] != 'o' && p[0] != 'u')) return std::nullopt;
  if (unordered) return result(p[0] == 'u');
  std::string_view r = p.substr(1);
  if (r == "eq") return result(x == y);
  if (r == "ne") return result(x != y);
  if (r == "lt") return result(x < y);
  if (r == "le") return result(x <= y);
  if (r == "gt") return result(x > y);
  if (r == "ge") return result(x >= y);
  return std::nullopt;
}

std::optional<double> math_function(std::string_view callee, double x) {
  if (callee == "Sqrt" || callee == "llvm.sqrt.f64") return std::sqrt(x);
  if (callee == "llvm.fabs.f64") return std::fabs(x);
  return std::nullopt;
}

}  // namespace brintavel::translator
