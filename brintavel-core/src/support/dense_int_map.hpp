// A map from integers to values for keys that are mostly small and close together (the numbers
// of results and qubits): keys from 0 up to about four times the number of keys held sit in a
// vector indexed by the key, so that neighbouring keys share the cache; the others go to a
// hash map. A few large keys cost no more than the hash map alone.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace brintavel::text {

template <class V>
class DenseIntMap {
 public:
  const V* find(std::int64_t key) const {
    if (in_dense(key)) {
      const std::optional<V>& v = dense_[static_cast<std::size_t>(key)];
      if (v || sparse_.empty()) return v ? &*v : nullptr;
    }
    auto it = sparse_.find(key);
    return it == sparse_.end() ? nullptr : &it->second;
  }

  void insert_or_assign(std::int64_t key, V value) {
    if (!in_dense(key) && key >= 0 && static_cast<std::uint64_t>(key) < 4 * (size_ + 256)) {
      dense_.resize(std::max<std::size_t>(static_cast<std::size_t>(key) + 1, 2 * dense_.size()));
    }
    if (in_dense(key)) {
      std::optional<V>& slot = dense_[static_cast<std::size_t>(key)];
      if (!slot) {
        // (Held in the hash map while the vector was shorter.)
        if (!sparse_.empty() && sparse_.erase(key) != 0) --size_;
        ++size_;
      }
      slot = std::move(value);
      return;
    }
    if (sparse_.insert_or_assign(key, std::move(value)).second) ++size_;
  }

 private:
  bool in_dense(std::int64_t key) const {
    return key >= 0 && static_cast<std::uint64_t>(key) < dense_.size();
  }

  std::vector<std::optional<V>> dense_;
  std::unordered_map<std::int64_t, V> sparse_;
  std::size_t size_ = 0;
};

}  // namespace brintavel::text
