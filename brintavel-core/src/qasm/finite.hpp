// OpenQASM 3 has no literal for an infinite or NaN number: such a value must never be printed.
#pragma once

#include <cmath>
#include <optional>

#include "error.hpp"
#include "qasm/model.hpp"
#include "qasm/printer.hpp"
#include "support/text.hpp"

namespace brintavel::qasm {

// A non-finite number in `e`, or nothing.
std::optional<double> find_non_finite(const Expression& e);

// The message for a non-finite number that would be printed for `what()`, when `e` holds one.
template <class What>
Status check_finite(const Expression& e, What&& what) {
  std::optional<double> bad;
  if (const auto* f = std::get_if<FloatLiteral>(&e.node)) {
    if (std::isfinite(f->value)) return {};
    bad = f->value;
  } else if (e.is_atom()) {
    return {};
  } else {
    bad = find_non_finite(e);
  }
  if (bad)
    return unsupported(text::cat(what(), " is the non-finite number ", format_float(*bad),
                                 ", which OpenQASM 3 cannot write"));
  return {};
}

}  // namespace brintavel::qasm
