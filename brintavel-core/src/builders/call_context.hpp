// What a builder needs from the lowering of the function it works in: the registers the
// program uses so far, the constant indices of pointer values, and the few services that
// belong to the lowering (binding a result read, reading an angle's value, recording a
// measurement). The translator's LoweringContext is one.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "error.hpp"
#include "qasm/emitter.hpp"
#include "qasm/model.hpp"
#include "support/text.hpp"

namespace brintavel::builders {

class CallContext {
 public:
  explicit CallContext(bool keep_origins = false) : emitter_(keep_origins) {}
  virtual ~CallContext() = default;

  // Where the statements go (every one through the emitter).
  qasm::Emitter& emitter() { return emitter_; }

  // The highest qubit and result indices used so far (-1: none).
  std::int64_t max_qubit_index() const { return max_qubit_index_; }
  std::int64_t max_result_index() const { return max_result_index_; }
  void note_qubit_index(std::int64_t index) {
    if (index > max_qubit_index_) max_qubit_index_ = index;
  }
  void note_result_index(std::int64_t index) {
    if (index > max_result_index_) max_result_index_ = index;
  }
  // Whether a barrier on the whole qubit register was made.
  bool barrier_on_all_qubits() const { return barrier_on_all_qubits_; }
  void note_barrier_on_all_qubits() { barrier_on_all_qubits_ = true; }

  // The constant index of a pointer-valued SSA name (an inttoptr of a constant), if known.
  std::optional<std::int64_t> lookup_pointer_index(std::string_view name) const {
    auto it = pointer_indices_.find(name);
    if (it == pointer_indices_.end()) return std::nullopt;
    return it->second;
  }
  void record_pointer_index(std::string_view name, std::int64_t index) { pointer_indices_[name] = index; }

  // From now on result bit `index` holds a new measurement.
  virtual void note_result_written(std::int64_t index) = 0;
  // A result read: `name` is the value of bit `bit` of the result register.
  virtual Status bind_result_read(std::string_view name, std::int64_t bit) = 0;
  // The value of the SSA name `name`, used here as a gate's classical argument.
  virtual Result<qasm::Expression> use_scalar(std::string_view name) = 0;

 protected:
  void forget_pointer_indices() { pointer_indices_ = {}; }

 private:
  qasm::Emitter emitter_;
  std::int64_t max_qubit_index_ = -1;
  std::int64_t max_result_index_ = -1;
  bool barrier_on_all_qubits_ = false;
  text::NameMap<std::int64_t> pointer_indices_;
};

}  // namespace brintavel::builders
