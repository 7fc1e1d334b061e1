// Translates a QIR file to OpenQASM 3 with the brintavel C++ library:
//   translate-qir FILE
// prints the program, or FILE:LINE:COLUMN: and the error, and exits 1.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <brintavel/brintavel.hpp>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: translate-qir FILE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "translate-qir: cannot read " << argv[1] << "\n";
    return 2;
  }
  std::ostringstream text;
  text << in.rdbuf();

  brintavel::TranslateOptions options;
  options.producer = "translate-qir example";
  brintavel::Result<brintavel::Translation> result = brintavel::translate(text.str(), options);
  if (!result) {
    const brintavel::Error& error = result.error();
    std::cerr << argv[1] << ":";
    if (error.position) std::cerr << error.position->line << ":" << error.position->column << ":";
    std::cerr << " " << brintavel::describe(error) << "\n";
    return 1;
  }
  std::cout << result->program;
  return 0;
}
