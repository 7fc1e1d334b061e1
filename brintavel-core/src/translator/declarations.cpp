// The program around a lowered function's body: the includes, then the registers and the
// variables the body uses.
#include <limits>

#include "qasm/registers.hpp"
#include "translator/function_lowerer.hpp"

namespace brintavel::translator {

namespace {

Result<std::uint64_t> register_size(std::int64_t max_index, const char* overflow_message) {
  if (max_index == std::numeric_limits<std::int64_t>::max()) return unsupported(overflow_message);
  return static_cast<std::uint64_t>(max_index) + 1;
}

}  // namespace

Result<qasm::Program> declare_program(const TranslationContext& context, std::string_view source,
                                      LoweringContext& lowering, Variables& variables, qasm::StatementList body,
                                      bool zero_results) {
  if (context.stats) *context.stats = {lowering.budget().used(), lowering.budget().limit()};
  qasm::Program program{"3.0", {}, {}};
  program.body.reserve(context.include_paths.size() + 4 + body.size());
  for (const std::string& path : context.include_paths) program.body.emplace_back(qasm::Include{path});
  // A barrier on all qubits names the register, which a program that uses no qubit otherwise
  // declares with one qubit.
  if (lowering.barrier_on_all_qubits()) lowering.note_qubit_index(0);
  if (lowering.max_qubit_index() >= 0) {
    BRINTAVEL_TRY_ASSIGN(std::uint64_t size, register_size(
        lowering.max_qubit_index(), "qubit index too large to size the qubit register"));
    program.body.emplace_back(qasm::QubitDeclaration{std::string(qasm::kQubitRegister), size});
  }
  if (lowering.max_result_index() >= 0) {
    BRINTAVEL_TRY_ASSIGN(std::uint64_t size, register_size(
        lowering.max_result_index(), "result index too large to size the result register"));
    if (context.results_as_output) {
      program.body.emplace_back(qasm::OutputBitDeclaration{std::string(qasm::kResultRegister), size});
    } else {
      // A bit that may be read before anything was measured into it reads as Zero.
      if (zero_results && size > Limits::output_bytes_for_input(source.size()))
        return output_limit_exceeded(source.size());
      program.body.emplace_back(qasm::BitDeclaration{std::string(qasm::kResultRegister), size, zero_results});
    }
  }
  for (qasm::BitDeclaration& r : variables.registers) program.body.emplace_back(std::move(r));
  // The variables' declarations, printed as they are added: a long program has many.
  if (!variables.declarations.empty()) {
    qasm::StatementList printed;
    lowering.emitter().from({});
    for (const Variables::Declared& d : variables.declarations)
      lowering.emitter().print(printed, qasm::Statement(Variables::statement(d)));
    program.body.push_back(std::move(printed.front()));
  }
  program.body.insert(program.body.end(), std::make_move_iterator(body.begin()),
                      std::make_move_iterator(body.end()));
  return program;
}

}  // namespace brintavel::translator
