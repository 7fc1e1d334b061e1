// Lowers the instructions of a block, one at a time: terminators record how the block ends,
// calls go to their builders (builders/), and everything else to the rules (rules.hpp).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"
#include "translator/block.hpp"
#include "translator/context.hpp"
#include "translator/rules.hpp"

namespace brintavel::translator {

class BlockLowerer {
 public:
  BlockLowerer(LoweringContext& ctx, const SignatureTable& signatures, const builders::Profile& profile,
               FunctionRules& rules)
      : ctx_(ctx), signatures_(signatures), profile_(profile), rules_(rules) {}

  // Lowers one instruction of `out`, the block being lowered; returns whether it ended the block.
  Result<bool> lower_instruction(const ir::Instruction& instruction, BlockLowering& out);

 private:
  Result<bool> lower(const ir::Br& br, BlockLowering& out);
  Result<bool> lower(const ir::CondBr& br, BlockLowering& out);
  Result<bool> lower(const ir::Ret& ret, BlockLowering& out);
  Result<bool> lower(const ir::Call& call, BlockLowering& out);
  Result<bool> lower(const ir::Phi& phi, BlockLowering& out);
  Result<bool> lower(const ir::Ignored& ignored, BlockLowering& out);
  Result<bool> lower(const ir::Unknown& unknown, BlockLowering& out);

  // The signature and builder of a callee. Circuits call a handful of functions over and
  // over, so the last few lookups are kept (by name) in front of the two hash tables, with
  // whether the builder has already found the signature to be of the form it expects.
  struct Callee {
    std::string_view name;
    const Signature* signature;
    const builders::BuilderKind* kind;
    bool signature_checked = false;
  };
  Callee& find_callee(std::string_view name);
  Status lower_call(const ir::Call& call, BlockLowering& out);
  Status lower_cases(const ir::Call& call, const Signature& sig, const builders::BuilderKind& kind,
                     std::vector<CallCase>& cases, BlockLowering& out);

  LoweringContext& ctx_;
  const SignatureTable& signatures_;
  const builders::Profile& profile_;
  FunctionRules& rules_;
  bool phis_open_ = false;        // the block's phis so far wait for end_phis
  std::array<Callee, 8> recent_{};
  std::size_t next_recent_ = 0;
  Callee missing_{};  // find_callee's answer for a callee without a signature
};

}  // namespace brintavel::translator
