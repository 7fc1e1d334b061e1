#include "translator/register_runtime.hpp"

#include <algorithm>
#include <array>

#include "builders/gate_table.hpp"
#include "builders/quantum.hpp"
#include "qasm/registers.hpp"
#include "translator/block.hpp"
#include "translator/classical.hpp"

namespace brintavel::translator {

using qasm::Expression;
using text::cat;
using text::q;

namespace {

// Names a register may not take: the program's registers, the keywords and constants of
// OpenQASM 3, and the gates of stdgates.inc (the native gates are the gate table's).
constexpr std::array<std::string_view, 68> kTaken = {
    "q", "c", "OPENQASM", "include", "qubit", "bit", "bool", "int", "uint", "float", "angle", "complex",
    "const", "input", "output", "measure", "reset", "barrier", "gate", "def", "return", "if", "else",
    "for", "while", "in", "break", "continue", "end", "let", "pi", "tau", "euler", "true", "false", "U",
    "gphase", "inv", "pow", "ctrl", "negctrl", "duration", "stretch", "box", "delay", "array", "extern",
    "p", "sdg", "tdg", "sx", "cx", "cp", "crx", "cry", "crz", "ch", "cu", "ccx", "u", "u1", "u2", "u3",
    "CX", "phase", "cphase", "id", "rzz"};

bool is_identifier(std::string_view s) {
  if (s.empty() || (s[0] >= '0' && s[0] <= '9')) return false;
  return std::all_of(s.begin(), s.end(), [](char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_';
  });
}

bool taken(std::string_view name) {
  if (std::find(kTaken.begin(), kTaken.end(), name) != kTaken.end()) return true;
  for (const builders::NativeGate& g : builders::native_gates())
    if (g.name == name) return true;
  return std::any_of(std::begin(kVariablePrefixes), std::end(kVariablePrefixes),
                     [&](std::string_view p) { return name.starts_with(p); }) ||
         name.starts_with("creg_");
}

enum class Function : std::uint8_t { Create, Measure, GetBit, SetBit, SetInt, GetInt };

std::optional<Function> function_of(std::string_view callee) {
  if (callee == "create_creg") return Function::Create;
  if (callee == "mz_to_creg_bit") return Function::Measure;
  if (callee == "get_creg_bit") return Function::GetBit;
  if (callee == "set_creg_bit") return Function::SetBit;
  if (callee == "set_creg_to_int") return Function::SetInt;
  if (callee == "get_int_from_creg") return Function::GetInt;
  return std::nullopt;
}

qasm::Statement assign_bit(std::string_view name, std::uint64_t k, std::int64_t value) {
  return qasm::Assignment{qasm::IndexedIdentifier{std::string(name), qasm::IntLiteral{static_cast<std::int64_t>(k)}},
                          qasm::IntLiteral{value}};
}

}  // namespace

Result<std::optional<std::vector<CallCase>>> ClassicalRegisters::lower(const ir::Call& call, ValueScope& scope) {
  using Out = std::optional<std::vector<CallCase>>;
  if (call.callee == "___get_current_shot" || call.callee.starts_with("random_"))
    return unsupported(cat("pytket-qir's runtime function ", q(call.callee),
                           " has no meaning in an OpenQASM program, which runs the same on every shot"));
  std::optional<Function> f = function_of(call.callee);
  if (!f) return Out{};
  LoweringContext& ctx = scope.ctx;
  Dataflow& flow = ctx.dataflow();
  switch (*f) {
    case Function::Create: {
      const auto* size = call.args.empty() ? nullptr : std::get_if<ir::ConstInt>(&call.args[0]);
      auto n = size ? size->value.to_int64() : std::nullopt;
      if (!call.result || !n || *n < 1 || *n > 64)
        return unsupported(cat("create_creg needs a constant size from 1 to 64 and a result"));
      std::string_view name = scope.ctx.keep_name(name_for(*call.result, scope));
      registers_.insert_or_assign(*call.result, Register{name, static_cast<std::uint64_t>(*n)});
      scope.variables.registers.push_back(qasm::BitDeclaration{std::string(name), static_cast<std::uint64_t>(*n), true});
      return Out(std::vector<CallCase>{});
    }
    case Function::Measure: {
      if (call.args.size() != 3) return unsupported("mz_to_creg_bit takes a qubit, a register and an index");
      BRINTAVEL_TRY_ASSIGN(const Register* r, register_of(call, 1));
      BRINTAVEL_TRY_ASSIGN(std::uint64_t k, bit_index(call, 2, *r));
      BRINTAVEL_TRY_ASSIGN(qasm::IndexedIdentifier qubit, builders::resolve_qubit_operand(call.args[0], call.callee, ctx));
      flow.note_write(resource(*r, k, ctx), ProgramPoint{scope.block.ordinal, scope.block.size});
      append_statement(ctx.emitter(), scope.block,
                       qasm::Measure{std::move(qubit), qasm::IndexedIdentifier{std::string(r->name),
                                                                               qasm::IntLiteral{static_cast<std::int64_t>(k)}}});
      return Out(std::vector<CallCase>{});
    }
    case Function::GetBit: {
      if (call.args.size() != 2 || !call.result) return unsupported("get_creg_bit takes a register and an index");
      BRINTAVEL_TRY_ASSIGN(const Register* r, register_of(call, 0));
      BRINTAVEL_TRY_ASSIGN(std::uint64_t k, bit_index(call, 1, *r));
      Capture read{resource(*r, k, ctx), ctx.here()};
      ctx.add_pending(std::span<const Capture>(&read, 1));
      std::uint32_t tag = ctx.stale_values() == StaleValues::CheckOverGraph ? ctx.tag_of(read) : 0;
      BRINTAVEL_CHECK(ctx.bind_value(*call.result, qasm::Element{r->name, static_cast<std::int64_t>(k), tag}));
      return Out(std::vector<CallCase>{});
    }
    case Function::SetBit: {
      if (call.args.size() != 3) return unsupported("set_creg_bit takes a register, an index and a bit");
      BRINTAVEL_TRY_ASSIGN(const Register* r, register_of(call, 0));
      BRINTAVEL_TRY_ASSIGN(std::uint64_t k, bit_index(call, 1, *r));
      Expression value = qasm::BoolLiteral{false};
      if (const auto* b = std::get_if<ir::ConstBool>(&call.args[2])) value = qasm::BoolLiteral{b->value};
      else if (const auto* i = std::get_if<ir::ConstInt>(&call.args[2])) value = qasm::BoolLiteral{i->value != 0};
      else {
        BRINTAVEL_TRY_ASSIGN(value, lower_bool_operand(call.args[2], ctx));
      }
      BRINTAVEL_CHECK(set_bit(*r, k, as_bool(std::move(value)), scope));
      return Out(std::vector<CallCase>{});
    }
    case Function::SetInt: {
      if (call.args.size() != 2) return unsupported("set_creg_to_int takes a register and an integer");
      BRINTAVEL_TRY_ASSIGN(const Register* r, register_of(call, 0));
      BRINTAVEL_TRY_ASSIGN(ints::IntValue v, int_operand(scope, call.args[1], 64));
      ints::Site site{call.callee, "call", "i64"};
      std::vector<Capture> reads = ctx.take_pending();
      for (std::uint64_t k = 0; k < r->size; ++k) {
        BRINTAVEL_TRY_ASSIGN(Expression bit, ints::bit_of(v, static_cast<unsigned>(k), site));
        ctx.add_pending(reads);
        BRINTAVEL_CHECK(set_bit(*r, k, qasm::make_binary(qasm::BinaryOperator::Eq, std::move(bit), qasm::IntLiteral{1}), scope));
      }
      return Out(std::vector<CallCase>{});
    }
    case Function::GetInt: {
      if (call.args.size() != 1 || !call.result) return unsupported("get_int_from_creg takes a register");
      BRINTAVEL_TRY_ASSIGN(const Register* r, register_of(call, 0));
      std::vector<Expression> bits;
      for (std::uint64_t k = 0; k < r->size; ++k) {
        Capture read{resource(*r, k, ctx), ctx.here()};
        ctx.add_pending(std::span<const Capture>(&read, 1));
        std::uint32_t tag = ctx.stale_values() == StaleValues::CheckOverGraph ? ctx.tag_of(read) : 0;
        bits.push_back(qasm::Element{r->name, static_cast<std::int64_t>(k), tag});
      }
      BRINTAVEL_CHECK(bind_int(scope, *call.result, ints::bits_value(std::move(bits), 64)));
      return Out(std::vector<CallCase>{});
    }
  }
  return Out{};
}

Result<const ClassicalRegisters::Register*> ClassicalRegisters::register_of(const ir::Call& call,
                                                                            std::size_t argument) const {
  const auto* s = std::get_if<ir::Ssa>(&call.args[argument]);
  auto it = s ? registers_.find(s->name) : registers_.end();
  if (it == registers_.end())
    return unsupported(cat("the register operand of ", q(call.callee), " is not a register that create_creg made"));
  return &it->second;
}

Result<std::uint64_t> ClassicalRegisters::bit_index(const ir::Call& call, std::size_t argument, const Register& r) const {
  const auto* i = std::get_if<ir::ConstInt>(&call.args[argument]);
  auto k = i ? i->value.to_int64() : std::nullopt;
  if (!k || *k < 0 || static_cast<std::uint64_t>(*k) >= r.size)
    return unsupported(cat("the bit index of ", q(call.callee), " must be a constant below the register's size ", r.size));
  return static_cast<std::uint64_t>(*k);
}

std::string ClassicalRegisters::name_for(std::string_view ssa, ValueScope& scope) {
  if (!names_found_ && scope.body) {
    // The labels of the integer records that read each register.
    names_found_ = true;
    for (const ir::Block& b : scope.body->blocks())
      for (const ir::Instruction& i : b.instructions) {
        const auto* record = std::get_if<ir::Call>(&i);
        if (!record || record->callee != "__quantum__rt__int_record_output" || record->args.size() != 2) continue;
        const auto* value = std::get_if<ir::Ssa>(&record->args[0]);
        const auto* label = std::get_if<ir::GlobalRef>(&record->args[1]);
        const BodyIndex::Definition* d = value ? scope.body->find(value->name) : nullptr;
        const auto* read = d ? std::get_if<ir::Call>(d->instruction) : nullptr;
        if (!label || !read || read->callee != "get_int_from_creg" || read->args.size() != 1) continue;
        const auto* reg = std::get_if<ir::Ssa>(&read->args[0]);
        auto text = scope.body->string_constant(label->name);
        if (reg && text) labels_.try_emplace(reg->name, *text);
      }
  }
  std::string name;
  if (auto it = labels_.find(ssa); it != labels_.end() && is_identifier(it->second)) name = std::string(it->second);
  if (name.empty()) name = cat("creg_", registers_.size());
  auto used = [&](const std::string& n) {
    return taken(n) && !n.starts_with("creg_") ? true
                                                : std::any_of(registers_.begin(), registers_.end(),
                                                              [&](const auto& e) { return e.second.name == n; });
  };
  while (used(name)) name += '_';
  return name;
}

Resource ClassicalRegisters::resource(const Register& r, std::uint64_t k, LoweringContext& ctx) {
  // Followed as a variable named as its element is written.
  std::string_view bit = ctx.keep_name(cat(r.name, "[", k, "]"));
  return Resource{Resource::Kind::Variable, ctx.dataflow().variable(bit)};
}

Status ClassicalRegisters::set_bit(const Register& r, std::uint64_t k, Expression one_when, ValueScope& scope) {
  LoweringContext& ctx = scope.ctx;
  ProgramPoint at{scope.block.ordinal, scope.block.size};
  ctx.use_pending(Reader{Reader::Kind::SsaValue, r.name}, at);
  ctx.dataflow().note_write(resource(r, k, ctx), at);
  qasm::Statement statement = qasm::Barrier{};
  if (const auto* b = std::get_if<qasm::BoolLiteral>(&one_when.node)) {
    statement = assign_bit(r.name, k, b->value ? 1 : 0);
  } else {
    statement = qasm::If({assign_bit(r.name, k, 1)}, {assign_bit(r.name, k, 0)}, std::move(one_when));
  }
  BRINTAVEL_CHECK(ctx.budget().charge(qasm::count_nodes({statement}), "block", scope.block.label));
  ctx.emitter().keep(scope.block.statements, std::move(statement));
  ++scope.block.size;
  return {};
}

}  // namespace brintavel::translator
