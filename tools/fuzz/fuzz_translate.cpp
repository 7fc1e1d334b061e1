// libFuzzer harness: any bytes in, the output text or an error value out. Crashes, hangs,
// leaks, sanitizer reports and escaped exceptions are findings.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "brintavel/brintavel.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto result = brintavel::translate_qir(text, std::string_view("fuzz"));
  if (result) {
    // Cheap sanity checks on every success.
    if (result->rfind("// generated-by: {\"name\":\"brintavel\"", 0) == std::string::npos &&
        result->find("\n// generated-by: {\"name\":\"brintavel\"") == std::string::npos)
      __builtin_trap();
  }
  return 0;
}
