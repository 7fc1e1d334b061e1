// pytket-qir's classical register runtime, in the extended rules: its registers become bit
// registers of the OpenQASM program.
//
//   %r = call ptr @create_creg(i64 N)          bit[N] NAME = "0...0";
//   call void @mz_to_creg_bit(q, %r, i64 k)     NAME[k] = measure q;
//   %b = call i1 @get_creg_bit(%r, i64 k)       NAME[k]
//   call void @set_creg_bit(%r, i64 k, i1 v)    NAME[k] set to v in a branch
//   call void @set_creg_to_int(%r, i64 v)       each NAME[k] set to bit k of v in a branch
//   %i = call i64 @get_int_from_creg(%r)        sum of NAME[k] * 2^k, its bits known
//
// A register is named after the label of the integer output record that reads it, when the
// program records it so (pytket-qir records every register by its name), and `creg_N`
// otherwise; a name that the program's own names or the language's keywords take is given a
// `_` suffix. The register's bits are followed like variables: a value read before a later
// write to a bit is copied where it was read (snapshots.cpp). The runtime's other functions
// (the current shot, random numbers) have no meaning in OpenQASM and are refused by name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "translator/extended_values.hpp"
#include "translator/rules.hpp"

namespace brintavel::translator {

class ClassicalRegisters {
 public:
  // Lowers `call` when it calls the register runtime (nothing bound: the call is not the
  // runtime's); no case either way.
  Result<std::optional<std::vector<CallCase>>> lower(const ir::Call& call, ValueScope& scope);
  // The body the scopes give is another segment of the function: its records are read too.
  void body_changed() { names_found_ = false; }

 private:
  struct Register {
    std::string_view name;  // kept by the lowering context, for as long as the program
    std::uint64_t size;
  };

  Result<const Register*> register_of(const ir::Call& call, std::size_t argument) const;
  Result<std::uint64_t> bit_index(const ir::Call& call, std::size_t argument, const Register& r) const;
  // The name register `ssa` gets, from the output records that read it.
  std::string name_for(std::string_view ssa, ValueScope& scope);
  // The resource of bit `k` of `r` for the reads and writes the staleness check follows.
  Resource resource(const Register& r, std::uint64_t k, LoweringContext& ctx);
  Status set_bit(const Register& r, std::uint64_t k, qasm::Expression one_when, ValueScope& scope);

  std::unordered_map<std::string_view, Register> registers_;  // by the SSA name create_creg binds
  bool names_found_ = false;  // the records of the body were read
  std::unordered_map<std::string_view, std::string_view> labels_;  // register SSA name -> record label
};

}  // namespace brintavel::translator
