// A hash table from names to small values, kept in one array: open addressing with linear
// probing, and deletion that shifts the following entries back instead of leaving marks.
// For the tables that every block or instruction looks up and that std::unordered_map would
// allocate a node for per entry. Keys are views: the texts must outlive the table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/text.hpp"

namespace brintavel::text {

template <class Value>
class FlatNameMap {
 public:
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  bool contains(std::string_view key) const { return find(key) != nullptr; }

  // The hash the table keeps for a key; the lookups below take it where a caller looks one
  // key up several times.
  static std::uint64_t hash_of(std::string_view key) {
    std::uint64_t h = NameHash{}(key);
    return h == 0 ? 1 : h;
  }

  Value* find(std::string_view key) { return find(key, hash_of(key)); }
  const Value* find(std::string_view key) const { return find(key, hash_of(key)); }
  Value* find(std::string_view key, std::uint64_t h) {
    return const_cast<Value*>(static_cast<const FlatNameMap&>(*this).find(key, h));
  }
  const Value* find(std::string_view key, std::uint64_t h) const {
    if (size_ == 0) return nullptr;
    for (std::size_t i = h & mask(); slots_[i].hash != 0; i = (i + 1) & mask())
      if (slots_[i].hash == h && text::same_name(slots_[i].key, key)) return &slots_[i].value;
    return nullptr;
  }

  // The value of `key`, made from `value` when the key is new; and whether it was.
  // (The value is moved into its slot only when the key is new, and never through a
  // temporary: values may hold lists of their own.)
  template <class V = Value>
  std::pair<Value*, bool> try_emplace(std::string_view key, V&& value) {
    return try_emplace(key, std::forward<V>(value), hash_of(key));
  }
  template <class V = Value>
  std::pair<Value*, bool> try_emplace(std::string_view key, V&& value, std::uint64_t h) {
    if (4 * (size_ + 1) > 3 * slots_.size()) grow();
    std::size_t i = h & mask();
    for (; slots_[i].hash != 0; i = (i + 1) & mask())
      if (slots_[i].hash == h && text::same_name(slots_[i].key, key)) return {&slots_[i].value, false};
    Slot& slot = slots_[i];
    slot.hash = h;
    slot.key = key;
    slot.value = std::forward<V>(value);
    ++size_;
    return {&slot.value, true};
  }

  // Sets the value of `key`, new or not.
  template <class V = Value>
  Value& insert_or_assign(std::string_view key, V&& value) {
    const std::uint64_t h = hash_of(key);
    if (Value* found = find(key, h)) return *found = std::forward<V>(value);
    return *try_emplace(key, std::forward<V>(value), h).first;
  }

  // The value of `key`, value-initialised when the key is new.
  Value& operator[](std::string_view key) { return *try_emplace(key, Value{}).first; }

  // Calls f(key, value) for each entry, in no particular order.
  template <class F>
  void for_each(F&& f) {
    for (Slot& s : slots_)
      if (s.hash != 0) f(s.key, s.value);
  }

  bool erase(std::string_view key) { return erase(key, hash_of(key)); }
  bool erase(std::string_view key, std::uint64_t h) {
    if (size_ == 0) return false;
    std::size_t i = h & mask();
    for (; slots_[i].hash != 0; i = (i + 1) & mask())
      if (slots_[i].hash == h && text::same_name(slots_[i].key, key)) break;
    if (slots_[i].hash == 0) return false;
    // Moves back each following entry whose home slot lies at or before the hole.
    for (std::size_t j = (i + 1) & mask(); slots_[j].hash != 0; j = (j + 1) & mask()) {
      std::size_t home = slots_[j].hash & mask();
      if (((j - home) & mask()) >= ((j - i) & mask())) {
        slots_[i] = std::move(slots_[j]);
        i = j;
      }
    }
    slots_[i] = Slot{};
    --size_;
    return true;
  }

  // Room for `n` entries without growing.
  void reserve(std::size_t n) {
    std::size_t slots = 16;
    while (3 * slots < 4 * n) slots *= 2;
    if (slots <= slots_.size()) return;
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(slots, Slot{});
    for (Slot& s : old)
      if (s.hash != 0) place(std::move(s));
  }

  void clear() {
    slots_.clear();
    size_ = 0;
  }
  // Empties the table for about as many entries again: it keeps its slots where they were well
  // filled (clearing them costs about what the entries did), and lets them go otherwise.
  // Values with nothing to release are written over in every slot, without a test (whether a
  // slot is taken is a coin toss the processor mispredicts); others only in the entries'
  // slots: an empty slot already holds a default value.
  void reset() {
    if (slots_.size() > 8 * (size_ + 16)) return clear();
    if (size_ == 0) return;
    if constexpr (std::is_trivially_copyable_v<Value>) {
      std::fill(slots_.begin(), slots_.end(), Slot{});
    } else {
      for (Slot& s : slots_) {
        if (s.hash == 0) continue;
        s.hash = 0;
        s.key = {};
        s.value = Value{};
      }
    }
    size_ = 0;
  }

 private:
  struct Slot {
    std::uint64_t hash = 0;  // 0: empty
    std::string_view key;
    Value value{};
  };

  std::size_t mask() const { return slots_.size() - 1; }

  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : 2 * old.size(), Slot{});
    for (Slot& s : old)
      if (s.hash != 0) place(std::move(s));
  }
  void place(Slot s) {
    std::size_t i = s.hash & mask();
    while (slots_[i].hash != 0) i = (i + 1) & mask();
    slots_[i] = std::move(s);
  }

  std::vector<Slot> slots_;
  std::size_t size_ = 0;
};

}  // namespace brintavel::text
