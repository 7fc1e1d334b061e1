// The stage dumps of brintavel-translate --dump=blocks|structured, against golden files:
// tests/data/dumps/NAME.blocks and NAME.structured hold the dumps of a golden input NAME.ll.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "translate.hpp"

namespace {

namespace fs = std::filesystem;
using brintavel::translator::DumpStage;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return std::move(s).str();
}

TEST(Dump, StagesMatchTheirGoldenFiles) {
  struct Case {
    const char* input;
    DumpStage stage;
    const char* golden;
  };
  const Case cases[] = {
      {"dynamic/nested_ifs.ll", DumpStage::Blocks, "dumps/nested_ifs.blocks"},
      {"dynamic/while_loops.ll", DumpStage::Structured, "dumps/while_loops.structured"},
  };
  const fs::path data = BRINTAVEL_TEST_DATA_DIR;
  for (const Case& c : cases) {
    std::string dump;
    auto result = brintavel::translate_with_dump(read_file(data / c.input), {}, c.stage, dump);
    ASSERT_TRUE(result) << c.input;
    EXPECT_EQ(dump, read_file(data / c.golden)) << c.input;
  }
}

}  // namespace
