// The translator driver: lowers the entry-point function of a module into a program.
#pragma once

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

// The entry point to translate: the first definition marked as one, or the entry-point
// definition named `name` when one is given. Nothing when there is none.
const ir::Function* find_entry_point(const ir::Module& module, std::optional<std::string_view> name);

// Builds the signature table, picks the first entry point, lowers its blocks in source
// order, structures the control flow and declares the registers and variables used.
Result<qasm::Program> translate_entry_point(const TranslationContext& context,
                                            const ir::Module& module);

// The same for a module that is not needed afterwards: each block's instructions are
// released as soon as the block is lowered, which keeps the peak memory of a large
// translation down.
Result<qasm::Program> translate_entry_point(const TranslationContext& context, ir::Module&& module);

}  // namespace brintavel::translator
