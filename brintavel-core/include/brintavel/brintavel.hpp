// brintavel: translate QIR (LLVM IR text) into OpenQASM 3 for the Halvek gate set.
//
// The whole public C++ API: one entry point, an error value and the version.
#pragma once

#include <expected>
#include <optional>
#include <string>
#include <string_view>

namespace brintavel {

inline constexpr std::string_view kVersion = "0.2.0";

// What went wrong, coarsely. The message says the rest.
enum class ErrorKind {
  Parse,                 // the QIR text could not be read
  UnsupportedConstruct,  // valid QIR that has no Halvek OpenQASM form
  ControlFlow,           // the branch graph is not structured
  Internal,              // a broken invariant inside the translator
};

struct Error {
  ErrorKind kind;
  std::string message;

  friend bool operator==(const Error&, const Error&) = default;
};

template <class T>
using Result = std::expected<T, Error>;

// The text shown to users for an error: the message itself, or
// "internal error: <message>" for the internal kind.
std::string describe(const Error& error);

// Translates one QIR module. On success the result is the OpenQASM 3 program followed by
// the "// generated-by:" comment line; `producer` (absent or empty: left out) is recorded
// in that comment. The first error ends the translation; nothing partial is returned.
Result<std::string> translate_qir(std::string_view qir_text,
                                  std::optional<std::string_view> producer = std::nullopt);

}  // namespace brintavel
