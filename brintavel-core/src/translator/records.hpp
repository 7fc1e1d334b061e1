// The program's output records: its output-recording calls (result, bool, int, double, tuple
// and array records, with their labels), each tied to what the translated program's result
// register holds after its last statement.
//
// The lowering drops these calls; this pass reads the function body as IR once it is whole
// (calls inlined where the rules inline them). A value is followed back to the results it is
// read from, through arithmetic, comparisons, selects and the phis of blocks outside loops
// (whose incoming edges are conditions on read results), as a table over the elements of c
// that it depends on. A read of a result is the final c[j] when no measurement into result j
// can follow it; a result nothing is measured into reads Zero. What the final register cannot
// determine (a value carried around a loop, a read that a later measurement overwrites, a
// record made on some shots only or once per loop trip) is marked so, with a warning naming it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "brintavel/brintavel.hpp"
#include "builders/profile.hpp"
#include "ir/model.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

// A record and the instruction that makes it (OutputRecord::position is left unset).
struct RecordFinding {
  OutputRecord record;
  const char* where = nullptr;
};

struct ProgramRecords {
  std::vector<RecordFinding> records;
  std::vector<SourceWarning> warnings;
  // The recorded results that no measurement writes (the register must cover them to hold them).
  std::vector<std::int64_t> unmeasured;
};

// Tables over more elements of c than this are not made: the value is left undetermined.
inline constexpr std::size_t kMaxRecordBits = 12;

// The records of the function body `blocks` (whose instruction texts lie in `source`, where
// the labels' global strings are read), calls looked up in `profile`.
ProgramRecords gather_records(std::span<const ir::Block> blocks, std::string_view source,
                              const builders::Profile& profile);

}  // namespace brintavel::translator
