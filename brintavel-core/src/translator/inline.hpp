// Inlining of calls to functions defined in the module (extended rules).
//
// The body of the function being translated is handed on block by block, with every call to a
// function the module defines (and no builder lowers) replaced by the callee's body: the
// calling block ends in a branch to the callee's first block, the callee's returns branch to
// a continuation block that holds the rest of the calling block, parameters stand for the
// call's arguments, and the call's value is the returned value (a phi over the returning
// blocks when there are several). Every name of an inlined body is renamed NAME#N for the
// N-th inlined call, and the continuation of block B after its J-th inlined call is named
// B#M.J (M: the call number of the body B belongs to, 0 for the translated function). No
// LLVM name can be written that way, so the new names collide with nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/model.hpp"

namespace brintavel::translator {

// Receives a function body: blocks in order, each instruction of the current block.
class BodySink {
 public:
  virtual ~BodySink() = default;
  // `size`: how many instructions the block it comes from holds (about as many as this one
  // will hold when its calls are replaced one for one).
  virtual void begin_block(std::string_view label, std::size_t size) = 0;
  // `where` is the instruction's text in the module source (or null); `call`, for an instruction
  // of an inlined body, the call it was inlined for in the function being translated.
  virtual void instruction(ir::Instruction&& instruction, const char* where, const char* call) = 0;
  // Once the sink has failed, nothing more is handed to it.
  virtual bool failed() const = 0;
};

// The body of the function being translated, with its calls inlined: blocks in source order,
// and the names inlining made (which the blocks refer to).
struct FunctionBody {
  std::vector<ir::Block> blocks;
  ir::TextPool names;
};

// Calls nest at most this many levels deep once inlined.
inline constexpr std::size_t kMaxInlineDepth = 64;

// Inlined bodies add at most this many instructions and blocks to a translation: an eighth of
// its size budget, since every block lowered is held until the control flow is structured.
std::uint64_t max_inlined_size(std::size_t input_bytes);

// Whether `function` calls a function that `module` defines and `profile` has no builder for.
bool has_inlinable_calls(const ir::Module& module, const ir::Function& function,
                         const builders::Profile& profile);

// Hands `function`'s body to `sink` with its calls inlined. The names made for inlined bodies
// are kept in `names`, which must outlive whatever the sink keeps of them. Recursion, calls
// nested more than kMaxInlineDepth levels deep, and inlined bodies beyond the translation
// size limit are refused; errors carry the position of the call (or instruction) concerned.
// Stops quietly when the sink fails.
Status inline_calls(const ir::Module& module, const ir::Function& function,
                    const builders::Profile& profile, ir::TextPool& names, BodySink& sink);

// Whether every call to a function that `definitions` defines (and `profile` has no builder
// for) goes on in the caller's block: each is a body of one block that returns and inlines no
// call itself.
bool splices_every_callee(const ir::Module& definitions, const builders::Profile& profile);

// inline_calls for a body read instruction by instruction, while it is parsed, when every
// callee goes on in the caller's block (splices_every_callee): the body keeps its blocks, and
// names and values come out as inline_calls makes them. `definitions` holds the callees (the
// definitions after the translated function, parsed on their own) and outlives this; so do
// `names` and `sink`. `input_bytes`, the size of the whole input, bounds what inlining adds.
class StreamingInliner {
 public:
  StreamingInliner(const ir::Module& definitions, std::string_view function, const builders::Profile& profile,
                   std::size_t input_bytes, ir::TextPool& names, BodySink& sink);
  ~StreamingInliner();
  StreamingInliner(const StreamingInliner&) = delete;
  StreamingInliner& operator=(const StreamingInliner&) = delete;

  // Given the instructions of each block up to its terminator.
  enum class Step : std::uint8_t {
    AsItIs,    // the instruction goes on unchanged (the sink was given nothing)
    HandedOn,  // the sink was given what stands for it: for an inlined call, the callee's body
    WholeBody  // the body is to be inlined whole instead (a callee that needs blocks of its own,
               // an error of inlining, the size limit); what was handed on is to be dropped
  };
  Step instruction(const ir::Instruction& instruction, const char* where);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace brintavel::translator
