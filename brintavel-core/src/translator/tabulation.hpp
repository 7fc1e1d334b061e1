// Values as functions of a few printable inputs.
//
// The service decides per shot only simple forms: a rotation angle computed from a
// measurement, or a condition that needs a cast, is evaluated once for all shots. Such a value
// is nevertheless a function of a few "atoms": i1 values (measured bits, comparisons) and
// integers that take few values (counters, integers packed from results), each of which the
// dialect reads per shot. A value is tabulated over its atoms' values by evaluating the IR
// that computes it (evaluate.hpp); the rules then write what uses it case by case: a condition
// over the atoms, a chain of if/else with constant values, or, for a rotation whose angle is a
// sum of one-atom terms (separate()), one rotation per term.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/body_index.hpp"
#include "translator/evaluate.hpp"
#include "translator/range_analysis.hpp"

namespace brintavel::translator {

class LoweringContext;

// An input of a table: an SSA value that the dialect reads per shot and that takes few values.
// A phi of a few constant doubles is one too: the number of the constant it holds is read per
// shot (LoweringContext::lookup_index), and stands for that constant; and so is a phi of a few
// constant pointers, read as the index it holds.
struct Atom {
  std::string_view name;
  std::vector<std::int64_t> values;  // what it can take, ascending (i1: 0 and 1)
  unsigned width = 1;
  std::vector<double> constants = {};  // for a phi of doubles: what value k stands for
  bool indexed = false;  // a phi of constants: read through LoweringContext::lookup_index
};

// The distinct constants of a double phi of at least two incomings that are all constants, in
// the order first named, when there are at most kMaxPhiConstants; nothing otherwise.
inline constexpr std::size_t kMaxPhiConstants = 16;
std::optional<std::vector<double>> phi_constants(const ir::Phi& phi);
// The distinct qubit or result indices of a pointer phi whose incomings are constant pointers
// (or the phi itself), ascending, when there are at most kMaxPhiConstants; nothing otherwise.
// Such a phi is kept as the index it holds, in an int variable.
std::optional<std::vector<std::int64_t>> pointer_phi_indices(const ir::Phi& phi);
// Whether the phi `phi_name` moves in step with a counter of its loop (its value is then a
// function of the counter, tabulated through it).
bool counts_trips(const BodyIndex& body, std::string_view phi_name);

// A value for every assignment of values to the atoms; assignment k gives atom i its value
// number (k / (product of the earlier atoms' counts)) % (its count).
struct Table {
  std::vector<Atom> atoms;
  std::vector<Value> results;

  std::int64_t value_of(std::size_t assignment, std::size_t atom) const;
};

// The table of the SSA value `name` over at most `limit` assignments: nothing when it depends
// on a value that is neither computed from atoms nor one (a parameter, a load), or on atoms
// with more assignments. Integers with at most `limit` values may stand as atoms for what they
// are computed from, when that gives fewer assignments.
std::optional<Table> tabulate(const BodyIndex& body, const BodyRanges& ranges, std::string_view name,
                              std::size_t limit);
// The tables of several SSA values over the same atoms and assignments, where an assignment
// that gives no value (an array indexed beyond its end, which no run reaching the use has) or
// no finite one gives NaN.
std::optional<std::vector<Table>> tabulate_together(const BodyIndex& body, const BodyRanges& ranges,
                                                    std::span<const std::string_view> names, std::size_t limit);

// A table that is a constant plus one term per atom (each a function of that atom alone),
// within 1e-12 of the values' size for doubles: value = constant + sum over atoms of term(atom).
struct Separable {
  double constant = 0;
  // Per atom, its term at each of its values (0 where the atom adds nothing).
  std::vector<std::vector<double>> terms;
};
std::optional<Separable> separate(const Table& table);

// The condition that `atom` has the value `value`, as the dialect writes it per shot.
Result<qasm::Expression> atom_is(const Atom& atom, std::int64_t value, LoweringContext& ctx);
// The condition that the table's assignment is one of `assignments` (a disjunction of the
// atoms' values, merged into intervals for a single atom).
Result<qasm::Expression> one_of(const Table& table, const std::vector<std::size_t>& assignments,
                                LoweringContext& ctx);

}  // namespace brintavel::translator
