// A list that grows by chunks of a fixed number of elements and never moves what it holds: a
// long list costs its own size, without the copy (and the two copies held at once) of a vector
// that doubles, and indexing is a shift and a mask. For the records a lowering keeps for the
// whole of a long function.
#pragma once

#include <compare>
#include <cstddef>
#include <iterator>
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

  // Keeps the first `n` items (n <= size()) and frees the chunks no longer needed.
  void truncate(std::size_t n) {
    size_ = n;
    chunks_.resize((n + kMask) >> kChunkBits);
  }

  T& operator[](std::size_t i) { return *std::launder(slot(i)); }
  const T& operator[](std::size_t i) const { return *std::launder(slot(i)); }

  // A random-access iterator over the items (for sorting them in place).
  class iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = T*;
    using reference = T&;

    iterator() = default;
    iterator(ChunkedList* list, std::size_t i) : list_(list), i_(static_cast<difference_type>(i)) {}
    reference operator*() const { return (*list_)[static_cast<std::size_t>(i_)]; }
    pointer operator->() const { return &**this; }
    reference operator[](difference_type n) const { return *(*this + n); }
    iterator& operator++() { return ++i_, *this; }
    iterator& operator--() { return --i_, *this; }
    iterator operator++(int) { iterator old = *this; ++i_; return old; }
    iterator operator--(int) { iterator old = *this; --i_; return old; }
    iterator& operator+=(difference_type n) { return i_ += n, *this; }
    iterator& operator-=(difference_type n) { return i_ -= n, *this; }
    friend iterator operator+(iterator it, difference_type n) { return it += n; }
    friend iterator operator+(difference_type n, iterator it) { return it += n; }
    friend iterator operator-(iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const iterator& a, const iterator& b) { return a.i_ - b.i_; }
    friend bool operator==(const iterator& a, const iterator& b) { return a.i_ == b.i_; }
    friend auto operator<=>(const iterator& a, const iterator& b) { return a.i_ <=> b.i_; }

   private:
    ChunkedList* list_ = nullptr;
    difference_type i_ = 0;
  };
  iterator begin() { return iterator(this, 0); }
  iterator end() { return iterator(this, size_); }

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
