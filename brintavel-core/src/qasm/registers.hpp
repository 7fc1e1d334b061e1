// The names the translated program gives its registers: every qubit is an element of one
// qubit register and every measurement result an element of one bit register.
#pragma once

#include <string_view>

namespace brintavel::qasm {

inline constexpr std::string_view kQubitRegister = "q";
inline constexpr std::string_view kResultRegister = "c";

}  // namespace brintavel::qasm
