// libFuzzer harness: any bytes in, the output text or an error value out, in the default and
// the extended mode. Crashes, hangs, leaks, sanitizer reports and escaped exceptions are
// findings, and so is an extended-mode translation that differs from the default mode's where
// the default mode translates.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "brintavel/brintavel.hpp"

namespace {

bool ends_with_generated_by(const std::string& program) {
  return program.rfind("// generated-by: {\"name\":\"brintavel\"", 0) == 0 ||
         program.find("\n// generated-by: {\"name\":\"brintavel\"") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  brintavel::TranslateOptions options;
  options.producer = "fuzz";
  auto base = brintavel::translate(text, options);
  // Cheap sanity checks on every success.
  if (base && !ends_with_generated_by(base->program)) __builtin_trap();
  options.extended = true;
  auto extended = brintavel::translate(text, options);
  if (extended && !ends_with_generated_by(extended->program)) __builtin_trap();
  if (base && (!extended || extended->program != base->program)) __builtin_trap();
  return 0;
}
