// brintavel: translate QIR (LLVM IR text) into OpenQASM 3 for the Halvek gate set.
//
// The whole public C++ API: the translation entry points, the error value they return,
// the gate definitions and the version. It needs C++20.
//
// No function here throws on any input: every failure is returned as an Error. The only
// exception that can leave them is std::bad_alloc, when memory runs out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "brintavel/export.hpp"
#include "brintavel/version.hpp"

namespace brintavel {

// What went wrong, coarsely. The message says the rest.
enum class ErrorKind {
  Parse,                 // the QIR text could not be read
  UnsupportedConstruct,  // valid QIR that has no Halvek OpenQASM form
  ControlFlow,           // the branch graph is not structured
  Internal,              // a broken invariant inside the translator
};

// A place in the QIR text: 1-based line, and 1-based column counted in characters
// (Unicode code points) from the start of that line.
struct SourcePosition {
  std::uint32_t line = 0;
  std::uint32_t column = 0;

  friend bool operator==(const SourcePosition&, const SourcePosition&) = default;
};

struct Error {
  ErrorKind kind = ErrorKind::Internal;
  std::string message;
  // Where in the input the error was found: the offending text for parse errors, the
  // instruction for lowering errors, the block's label line for control-flow errors.
  // Absent for errors about the module as a whole (no entry point, register sizes, ...).
  std::optional<SourcePosition> position;
  // The default mode refused the module and the extended mode translates it (found only
  // when TranslateOptions::check_extended asked).
  bool extended_translates = false;

  friend bool operator==(const Error&, const Error&) = default;
};

// A value or the Error that prevented it.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(const T& value) : state_(std::in_place_index<0>, value) {}  // NOLINT: implicit
  Result(T&& value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT
  template <class U>
    requires(std::is_constructible_v<T, U &&> && !std::is_same_v<std::remove_cvref_t<U>, T> &&
             !std::is_same_v<std::remove_cvref_t<U>, Error> &&
             !std::is_same_v<std::remove_cvref_t<U>, Result>)
  Result(U&& value) : state_(std::in_place_index<0>, std::forward<U>(value)) {}  // NOLINT
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT

  bool has_value() const noexcept { return state_.index() == 0; }
  explicit operator bool() const noexcept { return has_value(); }

  // Preconditions: has_value() for the value accessors, !has_value() for error().
  T& value() & { return *std::get_if<0>(&state_); }
  const T& value() const& { return *std::get_if<0>(&state_); }
  T&& value() && { return std::move(*std::get_if<0>(&state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  Error& error() & { return *std::get_if<1>(&state_); }
  const Error& error() const& { return *std::get_if<1>(&state_); }
  Error&& error() && { return std::move(*std::get_if<1>(&state_)); }

 private:
  std::variant<T, Error> state_;
};

// Success, or the Error of a failed step.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)) {}  // NOLINT: implicit

  bool has_value() const noexcept { return !error_.has_value(); }
  explicit operator bool() const noexcept { return has_value(); }

  Error& error() & { return *error_; }
  const Error& error() const& { return *error_; }
  Error&& error() && { return std::move(*error_); }

 private:
  std::optional<Error> error_;
};

struct TranslateOptions {
  // Recorded in the generated-by comment; absent or empty leaves it out.
  std::optional<std::string_view> producer;
  // Extended lowering: also translate constructs outside the base rules (integer and
  // floating-point arithmetic on measured values, general phis, calls to functions defined in
  // the module, barriers). A program that translates without it translates identically with it.
  bool extended = false;
  // Extended mode only: translate this entry-point function instead of the first one.
  std::optional<std::string_view> entry_point;
  // Trace every line of the program back to the QIR (Translation::source_map).
  bool source_map = false;
  // Gather the program's output records (Translation::records). In extended mode the result
  // register then also covers every recorded result, one that nothing is measured into reading
  // Zero from it; the default mode's text is unchanged.
  bool records = false;
  // Default mode only: when the module is refused, also try the extended mode and say in the
  // error whether it translates the module (Error::extended_translates). That costs a second
  // translation, on refusals only.
  bool check_extended = false;
};

// Where one line of the translated program came from in the QIR text.
struct LineOrigin {
  // The instruction that made the statement on the line (for an inlined call, the instruction
  // in the called function); absent for lines no instruction made (declarations, braces).
  std::optional<SourcePosition> instruction;
  // For a statement of an inlined call: the call in the translated function.
  std::optional<SourcePosition> call;

  friend bool operator==(const LineOrigin&, const LineOrigin&) = default;
};

// Something the translation could not make exact on the service, at the instruction it is
// about (absent: the module as a whole).
struct Warning {
  std::string message;
  std::optional<SourcePosition> position;

  friend bool operator==(const Warning&, const Warning&) = default;
};

// One record of the program's output (its __quantum__rt__*_record_output calls), in the order
// the program makes them, with what the translated program's result register `c` holds of it
// after the program's last statement.
struct OutputRecord {
  enum class Kind : std::uint8_t { Result, Bool, Int, Double, Tuple, Array };
  Kind kind = Kind::Result;
  std::optional<std::string> label;  // absent: recorded without a label
  std::int64_t count = 0;            // Tuple, Array: how many records it holds
  // Whether the final register determines the record; when it does not, a warning says why, and
  // `bits`, `values` and `reals` are empty.
  bool determined = true;
  // The recorded value as a function of elements of c: entry k of `values` (for a Double, of
  // `reals`) is its value when c[bits[i]] is bit i of k. A constant has no bits and one entry;
  // a Result or Bool is 0 or 1. Tuple and Array records have no value.
  std::vector<std::int64_t> bits;
  std::vector<std::int64_t> values;
  std::vector<double> reals;
  std::optional<SourcePosition> position;  // the record call

  friend bool operator==(const OutputRecord&, const OutputRecord&) = default;
};

struct Translation {
  std::string program;                          // OpenQASM 3, then the generated-by comment
  std::string entry_point;                      // the function that was translated
  std::vector<std::string> other_entry_points;  // entry points that were not translated
  // With TranslateOptions::source_map: one entry per line of `program`, in order.
  std::vector<LineOrigin> source_map;
  // In source order of what they are about; the default mode makes none, but for the output
  // records that the final register does not determine.
  std::vector<Warning> warnings;
  // With TranslateOptions::records: the program's output records, in the order it makes them.
  std::vector<OutputRecord> records;
};

// The text shown to users for an error: the message itself, or
// "internal error: <message>" for the internal kind.
BRINTAVEL_API std::string describe(const Error& error);

// Translates one QIR module. The first error ends the translation; nothing partial is
// returned.
BRINTAVEL_API Result<Translation> translate(std::string_view qir_text,
                                            const TranslateOptions& options = {});

// The same with the base rules only, returning the program text: the OpenQASM 3 program
// followed by the "// generated-by:" comment line, in which `producer` (absent or empty:
// left out) is recorded.
BRINTAVEL_API Result<std::string> translate_qir(
    std::string_view qir_text, std::optional<std::string_view> producer = std::nullopt);

// OpenQASM 3 `gate` definitions of the Halvek native gates in terms of `U` and each other,
// so that a translation preceded by them loads in generic OpenQASM 3 tools.
BRINTAVEL_API std::string gate_definitions();

}  // namespace brintavel
