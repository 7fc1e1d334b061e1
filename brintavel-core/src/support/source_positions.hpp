// Line and column positions of many places in one text, each found in logarithmic time after
// one pass over the text (text::locate walks from the start for each place).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "brintavel/brintavel.hpp"

namespace brintavel::text {

class SourcePositions {
 public:
  explicit SourcePositions(std::string_view source);
  // The 1-based line and column (in code points) of the character at `at`, which points into
  // the text (its end included).
  SourcePosition of(const char* at) const;
  // Whether `at` points into the text.
  bool contains(const char* at) const {
    return at && source_.data() <= at && at <= source_.data() + source_.size();
  }

 private:
  std::string_view source_;
  std::vector<std::size_t> line_starts_;
};

}  // namespace brintavel::text
