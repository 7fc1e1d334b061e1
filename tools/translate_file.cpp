// Translates a QIR file with the C++ core directly, for benchmarks and for debugging without
// Python:
//
//   brintavel-translate [--extended] [--dump=blocks|--dump=structured] FILE [PRODUCER]
//
// --dump=blocks prints the lowered blocks before their control flow is structured, and
// --dump=structured the structured statements before the registers are declared, instead of
// the program (the entry point is then lowered from the whole module).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "brintavel/brintavel.hpp"
#include "translate.hpp"

int main(int argc, char** argv) {
  brintavel::TranslateOptions options;
  brintavel::translator::DumpStage dump = brintavel::translator::DumpStage::None;
  int first = 1;
  for (; first < argc && std::string_view(argv[first]).starts_with("--"); ++first) {
    std::string_view flag = argv[first];
    if (flag == "--extended") {
      options.extended = true;
    } else if (flag == "--dump=blocks") {
      dump = brintavel::translator::DumpStage::Blocks;
    } else if (flag == "--dump=structured") {
      dump = brintavel::translator::DumpStage::Structured;
    } else {
      first = argc + 1;
    }
  }
  if (argc - first < 1 || argc - first > 2) {
    std::cerr << "usage: brintavel-translate [--extended] [--dump=blocks|--dump=structured] FILE [PRODUCER]\n";
    return 2;
  }
  std::ifstream in(argv[first], std::ios::binary);
  if (!in) {
    std::cerr << "brintavel-translate: cannot read " << argv[first] << "\n";
    return 2;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  std::string text = std::move(buffer).str();
  if (argc - first == 2) options.producer = argv[first + 1];
  std::string dumped;
  auto result = dump == brintavel::translator::DumpStage::None
                    ? brintavel::translate(text, options)
                    : brintavel::translate_with_dump(text, options, dump, dumped);
  if (!dumped.empty()) std::fwrite(dumped.data(), 1, dumped.size(), stdout);
  if (!result) {
    std::cerr << brintavel::describe(result.error()) << "\n";
    return 1;
  }
  if (dump == brintavel::translator::DumpStage::None) std::fwrite(result->program.data(), 1, result->program.size(), stdout);
  return 0;
}
