// A list that keeps its first N elements in place and allocates only beyond them, as LLVM's
// SmallVector does, for elements that are copied as bytes. The operands of a call are one:
// most calls pass one or two, and a module holds a call per line.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace brintavel::text {

template <class T, std::uint32_t N>
class SmallList {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
  static_assert(N >= 1);

 public:
  SmallList() = default;
  SmallList(std::initializer_list<T> items) { append(items.begin(), items.size()); }
  template <class It>
  SmallList(It first, It last) {
    for (; first != last; ++first) push_back(*first);
  }
  SmallList(const SmallList& other) { append(other.data(), other.size_); }
  SmallList(SmallList&& other) noexcept { take(other); }
  SmallList& operator=(const SmallList& other) {
    if (this != &other) {
      clear();
      append(other.data(), other.size_);
    }
    return *this;
  }
  SmallList& operator=(SmallList&& other) noexcept {
    if (this != &other) {
      release();
      take(other);
    }
    return *this;
  }
  ~SmallList() { release(); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T* data() { return on_heap() ? storage_.heap : std::launder(reinterpret_cast<T*>(storage_.local)); }
  const T* data() const {
    return on_heap() ? storage_.heap : std::launder(reinterpret_cast<const T*>(storage_.local));
  }
  T* begin() { return data(); }
  T* end() { return data() + size_; }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size_; }
  T& operator[](std::size_t i) { return data()[i]; }
  const T& operator[](std::size_t i) const { return data()[i]; }
  T& front() { return data()[0]; }
  const T& front() const { return data()[0]; }
  T& back() { return data()[size_ - 1]; }
  const T& back() const { return data()[size_ - 1]; }

  friend bool operator==(const SmallList& a, const SmallList& b) {
    return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
  }

  void clear() { size_ = 0; }
  void pop_back() { --size_; }
  void reserve(std::size_t n) {
    if (n > capacity_) grow(n);
  }
  void push_back(const T& item) { emplace_back(item); }
  template <class... Args>
  T& emplace_back(Args&&... args) {
    T item(std::forward<Args>(args)...);  // (may be an element of this list)
    if (size_ == capacity_) grow(2 * static_cast<std::size_t>(capacity_));
    return *::new (static_cast<void*>(data() + size_++)) T(item);
  }

 private:
  bool on_heap() const { return capacity_ > N; }

  void append(const T* items, std::size_t n) {
    reserve(size_ + n);
    if (n != 0) std::memcpy(static_cast<void*>(data() + size_), items, n * sizeof(T));
    size_ += static_cast<std::uint32_t>(n);
  }

  void grow(std::size_t n) {
    T* heap = std::allocator<T>().allocate(n);
    if (size_ != 0) std::memcpy(static_cast<void*>(heap), data(), size_ * sizeof(T));
    release();
    storage_.heap = heap;
    capacity_ = static_cast<std::uint32_t>(n);
  }

  void release() {
    if (on_heap()) std::allocator<T>().deallocate(storage_.heap, capacity_);
    capacity_ = N;
  }

  // (`this` holds nothing.)
  void take(SmallList& other) {
    if (other.on_heap()) {
      storage_.heap = other.storage_.heap;
      capacity_ = other.capacity_;
      other.capacity_ = N;
    } else if (other.size_ != 0) {
      std::memcpy(static_cast<void*>(storage_.local), other.storage_.local, other.size_ * sizeof(T));
    }
    size_ = other.size_;
    other.size_ = 0;
  }

  union Storage {
    T* heap;
    alignas(T) unsigned char local[N * sizeof(T)];
  } storage_;
  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = N;
};

}  // namespace brintavel::text
