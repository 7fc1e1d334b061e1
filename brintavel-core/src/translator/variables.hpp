// The classical variables of the translated program: their names and declarations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qasm/model.hpp"

namespace brintavel::translator {

// The prefixes of the names of the int, bool and float[64] variables, in ScalarType order.
inline constexpr std::string_view kVariablePrefixes[] = {"cint_", "cbool_", "cfloat_"};
inline constexpr std::string_view kBoolVariablePrefix = kVariablePrefixes[1];

// Tells apart the names of the variables made here (kVariablePrefixes[type] followed by a
// number written without leading zeros): three times the number plus the type, or nothing for
// any other name.
std::optional<std::uint64_t> variable_name_key(std::string_view name);

// The variables that phis declare, in creation order: cint_N (if-merge phis), and in
// extended mode also cbool_N and cfloat_N, numbered per type.
struct Variables {
  // A declaration, in 16 bytes (a long program of loops declares a few variables per loop):
  // the variable's type and number, and its initial value (an int's; a bool starts false, a
  // float 0.0).
  struct Declared {
    std::int64_t init;
    std::uint32_t number;
    qasm::ScalarType type;
  };
  std::vector<Declared> declarations;
  std::vector<qasm::BitDeclaration> registers;  // bit registers besides c (zeroed)
  std::array<std::uint32_t, 3> counts{};  // names made, by qasm::ScalarType

  // Whether `name` is the name of a variable made here.
  bool made(std::string_view name) const;

  // Declares a new variable of `type` (an int starting at `init`, a bool at false, a float at
  // 0.0); returns its name.
  std::string declare(qasm::ScalarType type, std::int64_t init = 0);
  // The declaration statement of `d`.
  static qasm::IntDeclaration statement(const Declared& d);
  // The type of a variable made here, told by its name.
  static qasm::ScalarType type_of(std::string_view name);

 private:
  // The next name for a variable of `type`.
  std::string next_name(qasm::ScalarType type);
};

// An if-merge variable declared with a constant starts from it again in the block that
// branches to the merge, which matters only when that block runs more than once (lies on a
// cycle of the branch graph). That is known once every block is lowered; until then the
// assignment stands as a statement of its own, element `element` of block `block`.
struct PendingReset {
  std::uint32_t block;
  std::size_t element;
};
using PendingResets = std::vector<PendingReset>;

}  // namespace brintavel::translator
