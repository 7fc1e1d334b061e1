// The pipeline's parts that are not public.
#pragma once

#include <cstdint>
#include <string_view>

#include "brintavel/brintavel.hpp"

namespace brintavel {

// translate() without the streaming lowering: the whole module is parsed before its entry
// point is lowered. It gives the same result as translate() on every input; the tests and
// the fuzzer check that.
Result<Translation> translate_whole_module(std::string_view qir_text, const TranslateOptions& options);

// translate() with regions (see translator/regions.hpp) of at least `minimum_region`
// blocks; 1 closes one wherever the function allows. It gives the same result as translate().
Result<Translation> translate_with_regions(std::string_view qir_text, const TranslateOptions& options,
                                           std::uint32_t minimum_region);

}  // namespace brintavel
