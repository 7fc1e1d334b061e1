// Symbol visibility of the public API. A shared build compiles the library with
// BRINTAVEL_BUILDING and BRINTAVEL_SHARED and hides every other symbol; consumers of a
// shared build see BRINTAVEL_SHARED through the imported target (or pkg-config's flags).
#pragma once

#if defined(BRINTAVEL_SHARED)
#  if defined(_WIN32)
#    if defined(BRINTAVEL_BUILDING)
#      define BRINTAVEL_API __declspec(dllexport)
#    else
#      define BRINTAVEL_API __declspec(dllimport)
#    endif
#  else
#    define BRINTAVEL_API __attribute__((visibility("default")))
#  endif
#else
#  define BRINTAVEL_API
#endif
