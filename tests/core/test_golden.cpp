// End-to-end golden files: every tests/data/**/NAME.ll translates to NAME.qasm exactly (but
// for the version in the generated-by comment, which is this build's), or fails with the
// message in NAME.err; under tests/data/extended/ (and its producer folders), in extended mode.
//
// Elsewhere the extended mode is checked against the default mode: it gives the identical text
// for every program the default mode translates, and NAME.extended.qasm or NAME.extended.err
// where there is one for a program the default mode refuses. And the streaming pipeline gives
// what the whole-module one gives, output or message, also when it closes regions as often
// as it can, and when it keeps the program whole for the source map.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "translate.hpp"

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
  // Folders are separated by two underscores: extended/guppy/x is not extended/guppy_x.
  fs::path relative = fs::relative(info.param, BRINTAVEL_TEST_DATA_DIR).replace_extension();
  std::string name;
  for (const fs::path& part : relative) {
    if (!name.empty()) name += "__";
    for (char c : part.string()) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
}

bool is_extended_golden(const fs::path& input) {
  return *fs::relative(input, BRINTAVEL_TEST_DATA_DIR).begin() == "extended";
}

brintavel::Result<std::string> translate(const fs::path& input, bool extended) {
  brintavel::TranslateOptions options;
  options.extended = extended;
  auto result = brintavel::translate(read_file(input), options);
  if (!result) return std::move(result).error();
  return std::move(result->program);
}

// The result matches the golden file STEM.qasm or STEM.err.
void expect_golden(const brintavel::Result<std::string>& result, const fs::path& stem) {
  fs::path expected_output = fs::path(stem).concat(".qasm");
  fs::path expected_error = fs::path(stem).concat(".err");
  if (fs::exists(expected_error)) {
    ASSERT_FALSE(result.has_value()) << "expected a failure, got:\n" << *result;
    std::string message = read_file(expected_error);
    while (!message.empty() && message.back() == '\n') message.pop_back();
    EXPECT_EQ(brintavel::describe(result.error()), message);
  } else {
    ASSERT_TRUE(fs::exists(expected_output)) << "no .qasm or .err for " << stem;
    ASSERT_TRUE(result.has_value()) << brintavel::describe(result.error());
    EXPECT_EQ(*result, with_current_version(read_file(expected_output)));
  }
}

class Golden : public testing::TestWithParam<fs::path> {};

std::string outcome(const brintavel::Result<brintavel::Translation>& result) {
  if (result) return result->program;
  const auto& position = result.error().position;
  return "error at " + (position ? std::to_string(position->line) + ":" + std::to_string(position->column) : "-") +
         ": " + brintavel::describe(result.error());
}

TEST_P(Golden, TranslatesExactly) {
  const fs::path& input = GetParam();
  fs::path stem = fs::path(input).replace_extension();
  std::string text = read_file(input);
  for (bool extended : {false, true}) {
    brintavel::TranslateOptions options;
    options.extended = extended;
    std::string streamed = outcome(brintavel::translate(text, options));
    EXPECT_EQ(streamed, outcome(brintavel::translate_whole_module(text, options)))
        << "streaming and whole-module pipelines differ" << (extended ? " in extended mode" : "");
    EXPECT_EQ(streamed, outcome(brintavel::translate_with_regions(text, options, 1)))
        << "closing regions wherever possible changed the result" << (extended ? " in extended mode" : "");
    // Asking for the source map keeps the program whole until it is printed.
    options.source_map = true;
    EXPECT_EQ(streamed, outcome(brintavel::translate(text, options)))
        << "asking for the source map changed the result" << (extended ? " in extended mode" : "");
  }
  if (is_extended_golden(input)) {
    expect_golden(translate(input, true), stem);
    return;
  }
  auto result = brintavel::translate_qir(read_file(input));
  expect_golden(result, stem);
  auto extended = translate(input, true);
  fs::path extended_stem = fs::path(stem).concat(".extended");
  if (result) {
    ASSERT_TRUE(extended.has_value()) << brintavel::describe(extended.error());
    EXPECT_EQ(*extended, *result) << "the extended mode changed a translation of the default mode";
  } else if (fs::exists(fs::path(extended_stem).concat(".qasm")) ||
             fs::exists(fs::path(extended_stem).concat(".err"))) {
    expect_golden(extended, extended_stem);
  }
}

INSTANTIATE_TEST_SUITE_P(Data, Golden, testing::ValuesIn(golden_inputs()), test_name);

}  // namespace
