// Error values used inside the core. Every failure is returned, never thrown: a broken
// internal invariant is an error value of the internal kind too.
#pragma once

#include <string>
#include <utility>

#include "brintavel/brintavel.hpp"

namespace brintavel {

using Status = Result<void>;

inline Error parse_error(std::string message) {
  return Error{ErrorKind::Parse, std::move(message), std::nullopt};
}

inline Error unsupported(std::string message) {
  return Error{ErrorKind::UnsupportedConstruct, std::move(message), std::nullopt};
}

inline Error control_flow_error(std::string message) {
  return Error{ErrorKind::ControlFlow, std::move(message), std::nullopt};
}

// Something no input can reach went wrong.
inline Error internal_error(std::string message) {
  return Error{ErrorKind::Internal, std::move(message), std::nullopt};
}

}  // namespace brintavel

#define BRINTAVEL_CONCAT_INNER(a, b) a##b
#define BRINTAVEL_CONCAT(a, b) BRINTAVEL_CONCAT_INNER(a, b)

// `BRINTAVEL_TRY_ASSIGN(auto x, f());` declares (or assigns) x from the value of a Result, or
// returns the Result's error from the enclosing function.
#define BRINTAVEL_TRY_ASSIGN(lhs, expr) \
  BRINTAVEL_TRY_ASSIGN_IMPL(BRINTAVEL_CONCAT(brintavel_try_result_, __LINE__), lhs, expr)
#define BRINTAVEL_TRY_ASSIGN_IMPL(result, lhs, expr) \
  auto result = (expr);                               \
  if (!result) [[unlikely]]                           \
    return std::move(result).error();                 \
  lhs = std::move(result).value()

// Returns the error of a Result from the enclosing function.
#define BRINTAVEL_CHECK(expr)                                  \
  do {                                                         \
    auto&& brintavel_check_result_ = (expr);                   \
    if (!brintavel_check_result_) [[unlikely]]                 \
      return std::move(brintavel_check_result_).error();       \
  } while (0)
