// Error values used inside the core. A failure is returned, never thrown; only a broken
// internal invariant throws (InvariantViolation), and only the Python boundary catches it.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "brintavel/brintavel.hpp"

namespace brintavel {

using Status = Result<void>;

inline std::unexpected<Error> parse_error(std::string message) {
  return std::unexpected(Error{ErrorKind::Parse, std::move(message)});
}

inline std::unexpected<Error> unsupported(std::string message) {
  return std::unexpected(Error{ErrorKind::UnsupportedConstruct, std::move(message)});
}

inline std::unexpected<Error> control_flow_error(std::string message) {
  return std::unexpected(Error{ErrorKind::ControlFlow, std::move(message)});
}

// Something no input can reach went wrong.
class InvariantViolation : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

[[noreturn]] inline void invariant_failed(const char* what) { throw InvariantViolation(what); }

}  // namespace brintavel

// Propagates the error of a Result-returning expression, otherwise yields its value.
// (A statement expression: GCC and Clang both support it.)
#define BRINTAVEL_TRY(expr)                                        \
  ({                                                               \
    auto&& brintavel_try_result_ = (expr);                         \
    if (!brintavel_try_result_) [[unlikely]]                       \
      return std::unexpected(std::move(brintavel_try_result_).error()); \
    std::move(brintavel_try_result_).value();                      \
  })

#define BRINTAVEL_CHECK(expr)                                      \
  do {                                                             \
    auto&& brintavel_check_result_ = (expr);                       \
    if (!brintavel_check_result_) [[unlikely]]                     \
      return std::unexpected(std::move(brintavel_check_result_).error()); \
  } while (0)
