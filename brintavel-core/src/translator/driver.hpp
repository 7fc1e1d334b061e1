// The translator driver: lowers the entry-point function of a module into a program.
#pragma once

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

// Builds the signature table, picks the first entry point, lowers its blocks in source
// order, structures the control flow and declares the registers and variables used.
Result<qasm::Program> translate_entry_point(const TranslationContext& context,
                                            const ir::Module& module);

}  // namespace brintavel::translator
