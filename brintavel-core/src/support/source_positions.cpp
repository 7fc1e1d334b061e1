#include "support/source_positions.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace brintavel::text {

SourcePositions::SourcePositions(std::string_view source) : source_(source) {
  line_starts_.push_back(0);
  for (std::size_t i = 0; i < source.size();) {
    const void* nl = std::memchr(source.data() + i, '\n', source.size() - i);
    if (!nl) break;
    i = static_cast<std::size_t>(static_cast<const char*>(nl) - source.data()) + 1;
    line_starts_.push_back(i);
  }
}

SourcePosition SourcePositions::of(const char* at) const {
  auto offset = static_cast<std::size_t>(at - source_.data());
  auto line = std::upper_bound(line_starts_.begin(), line_starts_.end(), offset) - 1;
  std::uint32_t column = 1;
  for (std::size_t i = *line; i < offset; ++i)
    if ((static_cast<unsigned char>(source_[i]) & 0xC0) != 0x80) ++column;
  return SourcePosition{static_cast<std::uint32_t>(line - line_starts_.begin()) + 1, column};
}

}  // namespace brintavel::text
