// The pipeline's parts that are not public.
#pragma once

#include <string_view>

#include "brintavel/brintavel.hpp"

namespace brintavel {

// translate() without the streaming lowering: the whole module is parsed before its entry
// point is lowered. It gives the same result as translate() on every input; the tests and
// the fuzzer check that.
Result<Translation> translate_whole_module(std::string_view qir_text, const TranslateOptions& options);

}  // namespace brintavel
