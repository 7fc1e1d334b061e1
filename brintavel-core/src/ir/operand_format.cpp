#include "ir/operand_format.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace brintavel::ir {

std::string debug_render_float(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  std::array<char, 400> buf;
  double magnitude = std::fabs(value);
  if (magnitude >= 1e16 || (magnitude != 0 && magnitude < 1e-4)) {
    // Shortest digits in scientific form ("1.5e-05"), then the exponent without its plus
    // sign and leading zeros.
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific);
    std::string_view s(buf.data(), static_cast<std::size_t>(end - buf.data()));
    std::size_t e = s.find('e');
    std::string out(s.substr(0, e));
    std::string_view exponent = s.substr(e + 1);
    bool negative = exponent.front() == '-';
    exponent.remove_prefix(1);  // the sign: scientific always writes one
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    out.push_back('e');
    if (negative) out.push_back('-');
    out.append(exponent);
    return out;
  }
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
  std::string out(buf.data(), end);
  if (out.find('.') == std::string::npos) out.append(".0");
  return out;
}

std::string debug_render(const Operand& operand) {
  std::string out;
  std::visit(
      [&out](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, ConstInt>) {
          out.append("ConstInt(");
          o.value.append_decimal(out);
          out.push_back(')');
        } else if constexpr (std::is_same_v<T, ConstBool>) {
          out.append(o.value ? "ConstBool(true)" : "ConstBool(false)");
        } else if constexpr (std::is_same_v<T, ConstFloat>) {
          out.append("ConstFloat(");
          out.append(debug_render_float(o.value));
          out.push_back(')');
        } else if constexpr (std::is_same_v<T, PtrConst>) {
          out.append("PtrConst { struct_name: ");
          if (o.struct_name) {
            out.append("Some(");
            text::append_quoted(out, *o.struct_name);
            out.push_back(')');
          } else {
            out.append("None");
          }
          out.append(", index: ");
          text::append_int(out, o.index);
          out.append(" }");
        } else if constexpr (std::is_same_v<T, Ssa>) {
          out.append("Ssa(");
          text::append_quoted(out, o.name);
          out.push_back(')');
        } else if constexpr (std::is_same_v<T, GlobalRef>) {
          out.append("GlobalRef(");
          text::append_quoted(out, o.name);
          out.push_back(')');
        } else if constexpr (std::is_same_v<T, GetElementPtr>) {
          out.append("GetElementPtr");
        } else if constexpr (std::is_same_v<T, BitcastGlobal>) {
          out.append("BitcastGlobal(");
          text::append_quoted(out, o.name);
          out.push_back(')');
        } else {
          out.append("I8Null");
        }
      },
      operand);
  return out;
}

}  // namespace brintavel::ir
