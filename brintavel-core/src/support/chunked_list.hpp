// A list that grows by chunks of a fixed number of elements and never moves what it holds: a
// long list costs its own size, without the copy (and the two copies held at once) of a vector
// that doubles, and indexing is a shift and a mask. For the records a lowering keeps for the
// whole of a long function.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace brintavel::text {

template <class T, unsigned kChunkBits = 8>
class ChunkedList {
 public:
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  template <class... Args>
  T& emplace_back(Args&&... args) {
    // (A chunk's bytes are left as they are: its pages are only touched as it fills.)
    if (size_ == chunks_.size() * kChunk) chunks_.push_back(std::unique_ptr<Chunk>(new Chunk));
    T* item = ::new (static_cast<void*>(slot(size_))) T(std::forward<Args>(args)...);
    ++size_;
    return *item;
  }

  T& operator[](std::size_t i) { return *std::launder(slot(i)); }
  const T& operator[](std::size_t i) const { return *std::launder(slot(i)); }

 private:
  static_assert(std::is_trivially_destructible_v<T>);
  static constexpr std::size_t kChunk = std::size_t{1} << kChunkBits;
  static constexpr std::size_t kMask = kChunk - 1;
  struct Chunk {
    alignas(T) unsigned char bytes[kChunk * sizeof(T)];
  };
  T* slot(std::size_t i) const { return reinterpret_cast<T*>(chunks_[i >> kChunkBits]->bytes) + (i & kMask); }
  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::size_t size_ = 0;
};

}  // namespace brintavel::text
