// Translates a QIR file with the C++ core directly: `brintavel-translate FILE [PRODUCER]`.
// Used by the benchmarks and for debugging without Python.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "brintavel/brintavel.hpp"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: brintavel-translate FILE [PRODUCER]\n";
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
  std::optional<std::string_view> producer;
  if (argc == 3) producer = argv[2];
  auto result = brintavel::translate_qir(text, producer);
  if (!result) {
    std::cerr << brintavel::describe(result.error()) << "\n";
    return 1;
  }
  std::fwrite(result->data(), 1, result->size(), stdout);
  return 0;
}
