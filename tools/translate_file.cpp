// Translates a QIR file with the C++ core directly: `brintavel-translate [--extended] FILE
// [PRODUCER]`. Used by the benchmarks and for debugging without Python.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "brintavel/brintavel.hpp"

int main(int argc, char** argv) {
  brintavel::TranslateOptions options;
  if (argc > 1 && std::string_view(argv[1]) == "--extended") {
    options.extended = true;
    --argc;
    ++argv;
  }
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: brintavel-translate [--extended] FILE [PRODUCER]\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "brintavel-translate: cannot read " << argv[1] << "\n";
    return 2;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  std::string text = std::move(buffer).str();
  if (argc == 3) options.producer = argv[2];
  auto result = brintavel::translate(text, options);
  if (!result) {
    std::cerr << brintavel::describe(result.error()) << "\n";
    return 1;
  }
  std::fwrite(result->program.data(), 1, result->program.size(), stdout);
  return 0;
}
