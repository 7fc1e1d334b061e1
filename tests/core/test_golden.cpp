// End-to-end golden files: every tests/data/**/NAME.ll translates to NAME.qasm exactly (but
// for the version in the generated-by comment, which is this build's), or fails with the
// message in NAME.err. Files under tests/data/extended are translated in extended mode.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"

namespace fs = std::filesystem;

namespace {

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return std::move(s).str();
}

// The expected program with this build's version in its generated-by comment: the golden
// files keep the version they were written with.
std::string with_current_version(std::string program) {
  static constexpr std::string_view kField = "// generated-by: {\"name\":\"brintavel\",\"version\":\"";
  std::size_t start = program.rfind(kField);
  if (start == std::string::npos) return program;
  start += kField.size();
  std::size_t end = program.find('"', start);
  if (end != std::string::npos) program.replace(start, end - start, brintavel::kVersion);
  return program;
}

std::vector<fs::path> golden_inputs() {
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::recursive_directory_iterator(BRINTAVEL_TEST_DATA_DIR))
    if (entry.is_regular_file() && entry.path().extension() == ".ll") inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::string test_name(const testing::TestParamInfo<fs::path>& info) {
  std::string name = fs::relative(info.param, BRINTAVEL_TEST_DATA_DIR).replace_extension().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

class Golden : public testing::TestWithParam<fs::path> {};

TEST_P(Golden, TranslatesExactly) {
  const fs::path& input = GetParam();
  fs::path expected_output = fs::path(input).replace_extension(".qasm");
  fs::path expected_error = fs::path(input).replace_extension(".err");
  brintavel::TranslateOptions options;
  options.extended = fs::relative(input, BRINTAVEL_TEST_DATA_DIR).begin()->string() == "extended";
  auto translated = brintavel::translate(read_file(input), options);
  brintavel::Result<std::string> result =
      translated ? brintavel::Result<std::string>(std::move(translated->program))
                 : brintavel::Result<std::string>(std::move(translated).error());
  if (fs::exists(expected_error)) {
    ASSERT_FALSE(result.has_value()) << "expected a failure, got:\n" << *result;
    std::string message = read_file(expected_error);
    while (!message.empty() && message.back() == '\n') message.pop_back();
    EXPECT_EQ(brintavel::describe(result.error()), message);
  } else {
    ASSERT_TRUE(fs::exists(expected_output)) << "no .qasm or .err beside " << input;
    ASSERT_TRUE(result.has_value()) << brintavel::describe(result.error());
    EXPECT_EQ(*result, with_current_version(read_file(expected_output)));
  }
}

INSTANTIATE_TEST_SUITE_P(Data, Golden, testing::ValuesIn(golden_inputs()), test_name);

}  // namespace
