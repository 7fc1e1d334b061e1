#include "translator/inline.hpp"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ir/header_parser.hpp"
#include "ir/lexer.hpp"
#include "ir/module_parser.hpp"
#include "ir/operand_parser.hpp"
#include "support/flat_name_map.hpp"
#include "translator/context.hpp"
#include "translator/evaluate.hpp"

namespace brintavel::translator {

using text::cat;

namespace {

std::string at_name(std::string_view name) { return cat("@", name); }

struct Parameters {
  std::vector<std::string_view> names;
  bool variadic = false;
  std::string_view first_block;  // the number of an unlabeled first block
};

// The parameter names of a definition from its header line; unnamed parameters are numbered
// from 0, as LLVM numbers them.
Result<Parameters> read_parameters(std::string_view header_line, ir::TextPool& pool) {
  auto header = ir::find_function_header(header_line, "define");
  if (!header) return parse_error(cat("could not read the parameters of ", text::q(header_line)));
  BRINTAVEL_TRY_ASSIGN(ir::ParameterNames parameters, ir::parameter_names(*header, pool));
  // Numbered values go on from the parameters to an unlabeled first block.
  return Parameters{std::move(parameters.names), parameters.is_variadic,
                    pool.keep(cat(parameters.next_number))};
}

// What a `ret` returns: its operand, if any, and type.
struct Return {
  std::optional<ir::Operand> value;
  std::string_view type;
  std::string_view block;  // the label of the block that returns
};

struct Definition {
  const ir::Function* function = nullptr;
  std::string_view header;  // its define line
  std::optional<Parameters> parameters = std::nullopt;  // read on first use
  // Found on first use: whether a call to it is inlined (a native gate's name is not), and
  // whether it goes on in the caller's block.
  std::optional<bool> inlined = std::nullopt;
  std::optional<bool> spliced = std::nullopt;
  // A spliced body's return as written (in the callee's own names), read at its first call.
  std::optional<Return> spliced_return = std::nullopt;
  // For a spliced body that only calls, on constants and its parameters, and defines nothing
  // (a gate's wrapper): where each call of the body takes a parameter, found at its first
  // call. A call whose value is not used then copies the body's calls and puts in its
  // arguments, with no names to look up.
  struct Slot {
    std::uint32_t instruction, argument, parameter;
  };
  std::optional<std::vector<Slot>> slots = std::nullopt;
  bool slots_read = false;
};

// The definitions of a module by name (the first of a name), with their header lines.
std::unordered_map<std::string_view, Definition> definitions_of(const ir::Module& module,
                                                                bool with_headers) {
  std::unordered_map<std::string_view, Definition> out;
  for (const ir::Function& fn : module.functions)
    if (!fn.is_declaration && !fn.blocks.empty()) out.try_emplace(fn.name, Definition{&fn, {}});
  if (!with_headers || out.empty()) return out;
  std::unordered_map<std::string_view, bool> seen;
  for (const ir::OutlineLine& line : ir::outline_module(module.source).header_candidates) {
    if (ir::header_keyword(line.text) != "define") continue;
    auto header = ir::find_function_header(line.text, "define");
    if (!header || !seen.try_emplace(header->name, true).second) continue;
    if (auto it = out.find(header->name); it != out.end()) it->second.header = line.text;
  }
  return out;
}

bool inlinable(const std::unordered_map<std::string_view, Definition>& definitions,
               const builders::Profile& profile, std::string_view callee) {
  return definitions.contains(callee) && !builders::lookup_builder(profile, callee);
}

class Inliner {
 public:
  // `input_bytes`: the size of the whole input, which bounds what inlining adds.
  Inliner(const ir::Module& module, const builders::Profile& profile, ir::TextPool& pool, BodySink& sink,
          std::size_t input_bytes)
      : module_(module),
        profile_(profile),
        pool_(pool),
        sink_(sink),
        definitions_(definitions_of(module, true)),
        limit_(max_inlined_size(input_bytes)) {}

  Status run(const ir::Function& function) {
    Instance top{&function, 0};
    stack_.push_back(&function);
    return emit_body(top);
  }

  // ---- a body read instruction by instruction (StreamingInliner) ----

  // Whether every call to a definition of the module would go on in the caller's block.
  bool splices_every_callee() {
    for (auto& [name, definition] : definitions_)
      if (inlined_callee(name) && !spliced(definition)) return false;
    return true;
  }

  void begin_stream(const ir::Function& function) {
    stack_.push_back(&function);
    top_.emplace(Instance{&function, 0});
  }

  // As emit_body hands on an instruction of the translated function, for a body whose inlined
  // calls are all spliced (its blocks stay as they are).
  StreamingInliner::Step stream(const ir::Instruction& instruction, const char* where) {
    using Step = StreamingInliner::Step;
    // (The caller hands on nothing after a block's terminator; emit_body leaves it out where it
    // inlines a call.)
    Instance& top = *top_;
    const auto* call = std::get_if<ir::Call>(&instruction);
    if (Definition* callee = call ? inlined_callee(call->callee) : nullptr) {
      bool inlined = spliced(*callee) && inline_call(top, *call, *callee, where, {}).has_value() && !sink_.failed();
      return inlined ? Step::HandedOn : Step::WholeBody;
    }
    if (values_.empty()) return Step::AsItIs;
    Status rewritten = rewrite(top, instruction, [&](ir::Instruction&& r) -> Status {
      sink_.instruction(std::move(r), where, nullptr);
      return {};
    });
    return rewritten ? Step::HandedOn : Step::WholeBody;
  }

 private:
  // The arguments of one call by parameter name: a short list searched in order, indexed
  // when it grows long.
  class Arguments {
   public:
    void set(std::string_view name, ir::Operand value) {
      if (ir::Operand* old = find(name)) {
        *old = std::move(value);
        return;
      }
      list_.emplace_back(name, std::move(value));
      if (list_.size() > kShort) {
        if (index_.empty())
          for (std::size_t i = 0; i + 1 < list_.size(); ++i) index_.try_emplace(list_[i].first, i);
        index_.try_emplace(name, list_.size() - 1);
      }
    }
    ir::Operand* find(std::string_view name) {
      if (list_.size() > kShort) {
        const std::size_t* i = index_.find(name);
        return i ? &list_[*i].second : nullptr;
      }
      for (auto& [parameter, value] : list_)
        if (parameter == name) return &value;
      return nullptr;
    }

    void clear() {
      list_.clear();
      index_.reset();
    }

   private:
    static constexpr std::size_t kShort = 8;
    std::vector<std::pair<std::string_view, ir::Operand>> list_;
    text::FlatNameMap<std::size_t> index_;
  };

  // One body being emitted: the translated function, or a callee at one call.
  struct Instance {
    const ir::Function* function;
    std::size_t number;  // 0 for the translated function, N for the N-th inlined call
    Arguments arguments = {};
    text::FlatNameMap<std::string_view> names = {};  // renamed names
    // The label of the last part of each block that inlined calls split.
    text::FlatNameMap<std::string_view> last_parts = {};
    std::string_view continuation = {};  // where the returns branch to
    const char* call_site = nullptr;  // the outermost call, in the translated function (null for it)
    std::vector<Return> returns = {};
  };

  Error located(Error error, const char* where) const { return text::located(std::move(error), module_.source, where); }

  // ---- names ----

  std::string_view rename(Instance& in, std::string_view name) {
    if (in.number == 0) return name;
    auto [renamed, inserted] = in.names.try_emplace(name, {});
    if (inserted) *renamed = pool_.keep(cat(name, "#", in.number));
    return *renamed;
  }

  // The label a block has in its function: its own, or for an unlabeled first block the
  // number LLVM gives it (the translated function's is numbered by position, as the lowering
  // numbers it).
  std::string_view source_label(Instance& in, const ir::Block& block) {
    if (!block.label.empty()) return block.label;
    if (in.number == 0) return "0";
    return definitions_.at(in.function->name).parameters->first_block;
  }

  std::string_view part_label(const Instance& in, std::string_view block, std::size_t part) {
    return pool_.keep(cat(block, "#", in.number, ".", part));
  }

  // A block's label as emitted; the translated function's unlabeled first block stays
  // unlabeled.
  std::string_view emitted_label(Instance& in, const ir::Block& block, std::string_view source) {
    if (in.number == 0) return block.label;
    return rename(in, source);
  }

  // The label a predecessor named in a phi has now: the last part of the block.
  std::string_view predecessor(Instance& in, std::string_view label) {
    std::string_view renamed = rename(in, label);
    const std::string_view* last = in.last_parts.find(renamed);
    return last ? *last : renamed;
  }

  // ---- values ----

  ir::Operand local(Instance& in, std::string_view name) {
    if (const ir::Operand* a = in.arguments.find(name)) return *a;
    std::string_view renamed = rename(in, name);
    if (const ir::Operand* v = values_.find(renamed)) return *v;
    return ir::Ssa{renamed};
  }

  ir::Operand value(Instance& in, const ir::Operand& operand) {
    if (const auto* s = std::get_if<ir::Ssa>(&operand)) return local(in, s->name);
    return operand;
  }

  // Replaces a local operand by its value (constants stay as they are).
  void substitute(Instance& in, ir::Operand& operand) {
    if (const auto* s = std::get_if<ir::Ssa>(&operand)) operand = local(in, s->name);
  }

  // A local value where the instruction can only name one.
  Result<std::string_view> local_name(Instance& in, std::string_view name) {
    ir::Operand v = local(in, name);
    if (const auto* s = std::get_if<ir::Ssa>(&v)) return s->name;
    return unsupported(cat("inlining binds ", text::q(name), " in ", at_name(in.function->name),
                           " to a constant where the instruction needs a local value"));
  }

  // Hands `out` the instruction with its names renamed and its parameters and inlined call
  // values replaced; nothing when it only binds a name to a constant (which is then substituted).
  template <class Out>
  Status rewrite(Instance& in, const ir::Instruction& instruction, Out&& out) {
    return std::visit(
        [&](const auto& i) -> Status {
          using T = std::decay_t<decltype(i)>;
          T r = i;
          if constexpr (std::is_same_v<T, ir::Call>) {
            for (ir::Operand& a : r.args) substitute(in, a);
            if (r.result) r.result = rename(in, *r.result);
          } else if constexpr (std::is_same_v<T, ir::Br>) {
            r.target = rename(in, r.target);
          } else if constexpr (std::is_same_v<T, ir::CondBr>) {
            if (const auto* name = std::get_if<std::string_view>(&r.condition)) {
              ir::Operand c = local(in, *name);
              if (const auto* s = std::get_if<ir::Ssa>(&c)) {
                r.condition = s->name;
              } else if (const auto* b = std::get_if<ir::ConstBool>(&c)) {
                r.condition = b->value;
              } else {
                return unsupported(cat("inlining binds the branch condition ", text::q(*name), " in ",
                                       at_name(in.function->name), " to a value that is not a Boolean"));
              }
            }
            r.true_label = rename(in, r.true_label);
            r.false_label = rename(in, r.false_label);
          } else if constexpr (std::is_same_v<T, ir::Icmp> || std::is_same_v<T, ir::Logic> ||
                               std::is_same_v<T, ir::Arith> || std::is_same_v<T, ir::IntOp> ||
                               std::is_same_v<T, ir::FloatOp> || std::is_same_v<T, ir::Fcmp>) {
            substitute(in, r.lhs);
            substitute(in, r.rhs);
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::Select>) {
            substitute(in, r.cond);
            substitute(in, r.then_value);
            substitute(in, r.else_value);
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::Phi>) {
            for (ir::PhiIncoming& incoming : r.incomings) {
              substitute(in, incoming.value);
              incoming.predecessor = predecessor(in, incoming.predecessor);
            }
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::Alloca>) {
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::Bitcast> || std::is_same_v<T, ir::Zext>) {
            // A cast of a constant is that constant (an i1 is used as an integer as it is).
            ir::Operand source = local(in, i.source);
            r.result = rename(in, r.result);
            if (!std::holds_alternative<ir::Ssa>(source)) {
              values_.insert_or_assign(r.result, source);
              return {};
            }
            r.source = std::get<ir::Ssa>(source).name;
          } else if constexpr (std::is_same_v<T, ir::Gep>) {
            BRINTAVEL_TRY_ASSIGN(r.base, local_name(in, r.base));
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::Store>) {
            substitute(in, r.value);
            BRINTAVEL_TRY_ASSIGN(r.pointer, local_name(in, r.pointer));
          } else if constexpr (std::is_same_v<T, ir::Load>) {
            BRINTAVEL_TRY_ASSIGN(r.pointer, local_name(in, r.pointer));
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::IntToPtr> || std::is_same_v<T, ir::Cast> ||
                               std::is_same_v<T, ir::FNeg> || std::is_same_v<T, ir::Freeze>) {
            substitute(in, r.value);
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::InsertValue>) {
            if (!ir::is_undefined(r.aggregate)) substitute(in, r.aggregate);
            substitute(in, r.value);
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::ExtractValue>) {
            if (!ir::is_undefined(r.aggregate)) substitute(in, r.aggregate);
            r.result = rename(in, r.result);
          } else if constexpr (std::is_same_v<T, ir::ElementAddress>) {
            substitute(in, r.outer);
            substitute(in, r.inner);
            r.result = rename(in, r.result);
          } else {
            static_assert(std::is_same_v<T, ir::Ret> || std::is_same_v<T, ir::Ignored> ||
                              std::is_same_v<T, ir::Unknown>,
                          "an instruction kind is not renamed");
          }
          return out(ir::Instruction(std::in_place_type<T>, std::move(r)));
        },
        instruction);
  }

  // ---- emission ----

  Status charge(const char* where) {
    if (++emitted_ <= limit_) return {};
    return located(unsupported(cat("inlining the calls to functions defined in the module adds more than ",
                                   limit_, " instructions and blocks, beyond the translation size "
                                   "limit; the calls repeat their bodies far beyond the input's size")),
                   where);
  }

  Status emit(ir::Instruction&& instruction, const char* where, bool inlined) {
    if (inlined) BRINTAVEL_CHECK(charge(where));
    sink_.instruction(std::move(instruction), where, call_site_);
    return {};
  }

  Status begin_block(std::string_view label, const char* where, bool inlined, std::size_t size = 0) {
    if (inlined) BRINTAVEL_CHECK(charge(where));
    sink_.begin_block(label, size);
    return {};
  }

  // The value a `ret` returns, read again from its text (the model keeps none), in the names
  // of the body it is emitted in.
  Result<Return> read_return(Instance& in, const char* where) {
    BRINTAVEL_TRY_ASSIGN(Return out, written_return(*in.function, where));
    if (out.value) out.value = value(in, *out.value);
    return out;
  }

  // The value a `ret` of `function` returns, in the function's own names; an error points at
  // the `ret`.
  Result<Return> written_return(const ir::Function& function, const char* where) {
    Return out;
    if (!where) return out;
    std::string_view source = module_.source;
    std::size_t start = static_cast<std::size_t>(where - source.data());
    std::string_view line = text::trim(ir::without_comment(ir::line_from(source, start)));
    auto unreadable = [&] {
      return located(unsupported(cat("could not read the value returned in ", at_name(function.name), ": ",
                                     text::q(line))),
                     where);
    };
    if (!line.starts_with("ret")) return unreadable();
    std::string_view returned = text::trim(line.substr(3));
    if (returned.empty() || returned == "void") return out;
    // The returned operand, without metadata attachments after it.
    auto pieces = ir::split_top_level(returned);
    if (!pieces) return unreadable();
    out.type = ir::first_word(pieces->front());
    auto operand = ir::parse_operand(pieces->front(), pool_);
    if (!operand) return unreadable();
    out.value = std::move(*operand);
    return out;
  }

  // The definition a call of `callee` inlines, or null.
  Definition* inlined_callee(std::string_view callee) {
    auto d = definitions_.find(callee);
    if (d == definitions_.end()) return nullptr;
    Definition& definition = d->second;
    if (!definition.inlined) definition.inlined = !builders::lookup_builder(profile_, callee);
    return *definition.inlined ? &definition : nullptr;
  }

  // Whether a call of `callee` goes on in the caller's block: a body of one block that ends in
  // a return and inlines no call itself (the most common wrapper, `@H(ptr)` around one gate)
  // needs no block of its own, nor a block after it.
  bool spliced(Definition& definition) {
    if (definition.spliced) return *definition.spliced;
    definition.spliced = false;
    const ir::Function* function = definition.function;
    if (!function || function->blocks.size() != 1) return false;
    const std::vector<ir::Instruction>& body = function->blocks.front().instructions;
    if (body.empty() || !std::holds_alternative<ir::Ret>(body.back())) return false;
    definition.spliced = std::none_of(body.begin(), body.end(), [&](const ir::Instruction& i) {
      const auto* call = std::get_if<ir::Call>(&i);
      return call && inlined_callee(call->callee);
    });
    return *definition.spliced;
  }

  // Names the call an inlined body's instructions come from while the body is emitted.
  struct CallSite {
    CallSite(const char*& current, const char* now) : current_(current), saved_(current) { current = now; }
    ~CallSite() { current_ = saved_; }
    CallSite(const CallSite&) = delete;
    CallSite& operator=(const CallSite&) = delete;

   private:
    const char*& current_;
    const char* saved_;
  };

  // The one block of a spliced callee, in the caller's block; its return as written in the
  // callee, or null where the sink failed first.
  Result<const Return*> emit_spliced(Instance& in, Definition& definition) {
    CallSite call_site(call_site_, in.call_site);
    const ir::Block& block = in.function->blocks.front();
    for (std::size_t k = 0; k < block.instructions.size(); ++k) {
      if (sink_.failed()) return nullptr;
      const ir::Instruction& instruction = block.instructions[k];
      const char* where = ir::source_of(block, k);
      if (std::holds_alternative<ir::Ret>(instruction)) {
        if (!definition.spliced_return) {
          auto written = written_return(*in.function, where);
          if (!written) return std::move(written).error();
          definition.spliced_return = std::move(*written);
        }
        return &*definition.spliced_return;
      }
      Status rewritten =
          rewrite(in, instruction, [&](ir::Instruction&& r) { return emit(std::move(r), where, true); });
      if (!rewritten) return located(std::move(rewritten).error(), where);
    }
    return nullptr;
  }

  // The slots of a spliced definition, or null where its body does more than call on constants
  // and parameters (or its return cannot be read, which the general path reports).
  const std::vector<Definition::Slot>* parameter_slots(Definition& definition) {
    if (definition.slots_read) return definition.slots ? &*definition.slots : nullptr;
    definition.slots_read = true;
    const ir::Block& block = definition.function->blocks.front();
    const std::vector<std::string_view>& names = definition.parameters->names;
    const std::size_t last = block.instructions.size() - 1;  // the return
    if (!written_return(*definition.function, ir::source_of(block, last)))
      return nullptr;
    std::vector<Definition::Slot> slots;
    for (std::size_t k = 0; k < last; ++k) {
      const auto* call = std::get_if<ir::Call>(&block.instructions[k]);
      if (!call || call->result) return nullptr;
      for (std::size_t a = 0; a < call->args.size(); ++a) {
        const auto* ssa = std::get_if<ir::Ssa>(&call->args[a]);
        if (!ssa) continue;
        // The last parameter of a name, as the arguments bind it.
        auto parameter = std::find(names.rbegin(), names.rend(), ssa->name);
        if (parameter == names.rend()) return nullptr;
        slots.push_back({static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(a),
                         static_cast<std::uint32_t>(names.rend() - parameter - 1)});
      }
    }
    definition.slots = std::move(slots);
    return &*definition.slots;
  }

  // The calls of a spliced body with the arguments of `call` in their slots.
  Status emit_filled_in(Instance& caller, const ir::Call& call, const ir::Function& callee,
                        const std::vector<Definition::Slot>& slots, const char* call_site) {
    ++calls_;  // the number an instance of the body would have taken
    arguments_.clear();
    for (const ir::Operand& a : call.args) arguments_.push_back(value(caller, a));
    CallSite site(call_site_, call_site);
    const ir::Block& block = callee.blocks.front();
    std::size_t s = 0;
    for (std::size_t k = 0; k + 1 < block.instructions.size(); ++k) {
      if (sink_.failed()) return {};
      ir::Call filled = std::get<ir::Call>(block.instructions[k]);
      for (; s < slots.size() && slots[s].instruction == k; ++s)
        filled.args[slots[s].argument] = arguments_[slots[s].parameter];
      BRINTAVEL_CHECK(emit(ir::Instruction(std::in_place_type<ir::Call>, std::move(filled)),
                           ir::source_of(block, k), true));
    }
    return {};
  }

  Status emit_body(Instance& in) {
    // The instructions of the body name the outermost call it was inlined for.
    CallSite call_site(call_site_, in.call_site);
    const std::vector<ir::Block>& blocks = in.function->blocks;
    // The parts of each block are known before the body is emitted: a phi may name a block
    // that comes later.
    for (const ir::Block& block : blocks) {
      std::size_t calls = 0;
      for (const ir::Instruction& instruction : block.instructions) {
        if (ir::is_terminator(instruction)) break;
        if (const auto* call = std::get_if<ir::Call>(&instruction))
          if (Definition* callee = inlined_callee(call->callee)) calls += !spliced(*callee);
      }
      if (calls == 0) continue;
      std::string_view source = source_label(in, block);
      in.last_parts.try_emplace(rename(in, source), part_label(in, source, calls));
    }
    bool inlined = in.number != 0;
    for (const ir::Block& block : blocks) {
      if (sink_.failed()) return {};
      std::string_view source = source_label(in, block);
      std::string_view current = emitted_label(in, block, source);
      BRINTAVEL_CHECK(begin_block(current, block.sources.empty() ? nullptr : block.sources.front(), inlined,
                                  block.instructions.size()));
      if (inlined) current = rename(in, source);
      std::size_t parts = 0;
      for (std::size_t k = 0; k < block.instructions.size(); ++k) {
        if (sink_.failed()) return {};
        const ir::Instruction& instruction = block.instructions[k];
        const char* where = ir::source_of(block, k);
        const auto* call = std::get_if<ir::Call>(&instruction);
        if (Definition* callee = call ? inlined_callee(call->callee) : nullptr) {
          bool own_block = !spliced(*callee);
          if (own_block) current = part_label(in, source, ++parts);
          BRINTAVEL_CHECK(inline_call(in, *call, *callee, where, own_block ? current : std::string_view()));
          continue;
        }
        if (inlined && std::holds_alternative<ir::Ret>(instruction)) {
          BRINTAVEL_TRY_ASSIGN(Return r, read_return(in, where));
          r.block = current;
          in.returns.push_back(std::move(r));
          BRINTAVEL_CHECK(emit(ir::Br{in.continuation}, where, true));
          break;
        }
        Status rewritten =
            rewrite(in, instruction, [&](ir::Instruction&& r) { return emit(std::move(r), where, inlined); });
        if (!rewritten) return located(std::move(rewritten).error(), where);
        if (ir::is_terminator(instruction)) break;
      }
    }
    return {};
  }

  // The value `callee` returns for constant `arguments` when it only computes (no call, no
  // memory), run as LLVM would within a step budget; nothing otherwise.
  std::optional<ir::Operand> evaluate_call(const ir::Function& callee, const Parameters& parameters,
                                           const std::vector<ir::Operand>& arguments) {
    constexpr std::size_t kMaxSteps = 10000;
    if (callee.blocks.empty() || parameters.names.size() != arguments.size()) return std::nullopt;
    for (const ir::Operand& a : arguments)
      if (std::holds_alternative<ir::Ssa>(a)) return std::nullopt;
    std::unordered_map<std::string_view, ir::Operand> bound;
    for (std::size_t i = 0; i < arguments.size(); ++i) bound.insert_or_assign(parameters.names[i], arguments[i]);
    std::unordered_map<std::string_view, Value> values;
    auto operand = [&](const ir::Operand& o, std::string_view ty) -> std::optional<Value> {
      if (const auto* s = std::get_if<ir::Ssa>(&o)) {
        if (auto v = values.find(s->name); v != values.end()) return v->second;
        if (auto b = bound.find(s->name); b != bound.end()) return constant_value(b->second, ty);
        return std::nullopt;
      }
      return constant_value(o, ty);
    };
    std::unordered_map<std::string_view, const ir::Block*> blocks;
    for (const ir::Block& b : callee.blocks)
      blocks.emplace(b.label.empty() ? parameters.first_block : b.label, &b);
    const ir::Block* block = &callee.blocks.front();
    std::string_view from;
    for (std::size_t steps = 0; steps < kMaxSteps;) {
      const ir::Block* next = nullptr;
      std::string_view here = block->label.empty() ? parameters.first_block : block->label;
      // The phis take their values together, from the edge taken.
      std::vector<std::pair<std::string_view, Value>> phis;
      for (std::size_t k = 0; k < block->instructions.size(); ++k, ++steps) {
        const ir::Instruction& i = block->instructions[k];
        if (const auto* phi = std::get_if<ir::Phi>(&i)) {
          auto in = std::find_if(phi->incomings.begin(), phi->incomings.end(),
                                 [&](const ir::PhiIncoming& p) { return p.predecessor == from; });
          auto v = in == phi->incomings.end() ? std::nullopt : operand(in->value, phi->ty);
          if (!v) return std::nullopt;
          phis.emplace_back(phi->result, *v);
          continue;
        }
        for (auto& [name, v] : phis) values.insert_or_assign(name, v);
        phis.clear();
        if (const auto* br = std::get_if<ir::Br>(&i)) {
          auto it = blocks.find(br->target);
          if (it == blocks.end()) return std::nullopt;
          next = it->second;
          break;
        }
        if (const auto* cbr = std::get_if<ir::CondBr>(&i)) {
          std::optional<bool> taken;
          if (const bool* b = std::get_if<bool>(&cbr->condition)) taken = *b;
          else if (auto v = operand(ir::Ssa{std::get<std::string_view>(cbr->condition)}, "i1"); v && v->is_integer())
            taken = (v->as_integer() & 1) != 0;
          if (!taken) return std::nullopt;
          auto it = blocks.find(*taken ? cbr->true_label : cbr->false_label);
          if (it == blocks.end()) return std::nullopt;
          next = it->second;
          break;
        }
        if (std::holds_alternative<ir::Ret>(i)) {
          const char* where = ir::source_of(*block, k);
          if (!where) return std::nullopt;
          std::size_t start = static_cast<std::size_t>(where - module_.source.data());
          std::string_view line = text::trim(ir::without_comment(ir::line_from(module_.source, start)));
          auto pieces = ir::split_top_level(text::trim(line.substr(3)));
          if (!pieces || pieces->empty()) return std::nullopt;
          std::string_view ty = ir::first_word(pieces->front());
          auto returned = ir::parse_operand(pieces->front(), pool_);
          auto v = returned ? operand(*returned, ty) : std::nullopt;
          if (!v) return std::nullopt;
          if (v->is_integer()) return ir::Operand(ir::ConstInt{Int128(v->as_integer())});
          return ir::Operand(ir::ConstFloat{v->as_real()});
        }
        auto name = ir::defined_name(i);
        auto v = name ? evaluate(i, operand) : std::nullopt;
        if (!v) return std::nullopt;
        values.insert_or_assign(*name, *v);
      }
      if (!next) return std::nullopt;
      from = here;
      block = next;
    }
    return std::nullopt;
  }

  // Emits the body of the callee of `call` (made in `caller`), then opens `continuation`; a
  // spliced callee (empty `continuation`) goes on in the caller's block.
  Status inline_call(Instance& caller, const ir::Call& call, Definition& definition, const char* where,
                     std::string_view continuation) {
    const ir::Function* callee = definition.function;
    for (const ir::Function* open : stack_) {
      if (open != callee) continue;
      std::string chain;
      for (const ir::Function* f : stack_) chain += at_name(f->name) + " -> ";
      chain += at_name(callee->name);
      return located(unsupported(cat("function ", at_name(callee->name), " calls itself (", chain,
                                     "); recursive calls cannot be inlined")),
                     where);
    }
    if (stack_.size() > kMaxInlineDepth)
      return located(unsupported(cat("calls to functions defined in the module nest more than ",
                                     kMaxInlineDepth, " levels deep at the call to ",
                                     at_name(callee->name), "; such deep call chains are not inlined")),
                     where);
    if (!definition.parameters) {
      auto parameters = read_parameters(definition.header, pool_);
      if (!parameters) return located(std::move(parameters).error(), definition.header.data());
      definition.parameters = std::move(*parameters);
    }
    const Parameters& parameters = *definition.parameters;
    if (parameters.variadic)
      return located(unsupported(cat("variadic function ", at_name(callee->name), " cannot be inlined")), where);
    if (parameters.names.size() != call.args.size())
      return located(unsupported(cat("call to ", at_name(callee->name), " passes ", call.args.size(),
                                     " argument(s) but its definition takes ", parameters.names.size())),
                     where);

    if (call.result) {
      // A classical function of constants (a power by squaring, say) is its value.
      std::vector<ir::Operand> arguments;
      for (const ir::Operand& a : call.args) arguments.push_back(value(caller, a));
      if (auto constant = evaluate_call(*callee, parameters, arguments)) {
        values_.insert_or_assign(rename(caller, *call.result), std::move(*constant));
        if (continuation.empty()) return {};
        // The block goes on where the callee's body would have ended.
        BRINTAVEL_CHECK(emit(ir::Br{continuation}, where, true));
        return begin_block(continuation, where, true);
      }
    }
    const char* call_site = caller.call_site ? caller.call_site : where;
    if (continuation.empty() && !call.result) {
      if (const std::vector<Definition::Slot>* slots = parameter_slots(definition))
        return emit_filled_in(caller, call, *callee, *slots, call_site);
    }
    if (continuation.empty()) {
      // A spliced body inlines no call: one instance serves them all, its lists kept.
      Instance& in = spliced_;
      in.function = callee;
      in.number = ++calls_;
      in.arguments.clear();
      for (std::size_t i = 0; i < call.args.size(); ++i) in.arguments.set(parameters.names[i], value(caller, call.args[i]));
      in.names.reset();
      in.call_site = call_site;
      stack_.push_back(callee);
      auto returned = emit_spliced(in, definition);
      stack_.pop_back();
      if (!returned) return std::move(returned).error();
      if (!call.result || sink_.failed()) return {};
      if (!*returned || !(*returned)->value)
        return located(unsupported(cat("the value of the call to ", at_name(callee->name),
                                       " is used, but the function returns none")),
                       where);
      values_.insert_or_assign(rename(caller, *call.result), value(in, *(*returned)->value));
      return {};
    }
    Instance in{callee, ++calls_};
    for (std::size_t i = 0; i < call.args.size(); ++i) in.arguments.set(parameters.names[i], value(caller, call.args[i]));
    in.continuation = continuation;
    in.call_site = call_site;
    const ir::Block& first = callee->blocks.front();
    BRINTAVEL_CHECK(emit(ir::Br{rename(in, source_label(in, first))}, where, true));
    stack_.push_back(callee);
    BRINTAVEL_CHECK(emit_body(in));
    stack_.pop_back();
    if (sink_.failed()) return {};

    BRINTAVEL_CHECK(begin_block(continuation, where, true));
    if (!call.result) return {};
    std::string_view result = rename(caller, *call.result);
    std::vector<ir::PhiIncoming> incomings;
    for (Return& r : in.returns) {
      if (!r.value)
        return located(unsupported(cat("the value of the call to ", at_name(callee->name),
                                       " is used, but the function returns none")),
                       where);
      incomings.push_back(ir::PhiIncoming{std::move(*r.value), r.block});
    }
    if (incomings.size() == 1) {
      values_.insert_or_assign(result, std::move(incomings.front().value));
    } else if (!incomings.empty()) {
      BRINTAVEL_CHECK(emit(ir::Phi{in.returns.front().type, std::move(incomings), result}, where, true));
    }
    return {};
  }

  const ir::Module& module_;
  const builders::Profile& profile_;
  ir::TextPool& pool_;
  BodySink& sink_;
  std::unordered_map<std::string_view, Definition> definitions_;
  // Values that inlining replaced by another operand: the values of calls with one return,
  // and casts of constants.
  text::FlatNameMap<ir::Operand> values_;
  std::vector<const ir::Function*> stack_;  // the functions being emitted, outermost first
  std::size_t calls_ = 0;
  const char* call_site_ = nullptr;  // of the body being emitted
  std::uint64_t emitted_ = 0;
  std::uint64_t limit_;
  std::optional<Instance> top_;  // of a streamed body
  Instance spliced_{nullptr, 0};  // of the spliced call being emitted
  std::vector<ir::Operand> arguments_;  // of the call whose body's slots are being filled in
};

// Takes nothing (for questions about the definitions alone).
class NoSink final : public BodySink {
 public:
  void begin_block(std::string_view, std::size_t) override {}
  void instruction(ir::Instruction&&, const char*, const char*) override {}
  bool failed() const override { return true; }
};

}  // namespace

std::uint64_t max_inlined_size(std::size_t input_bytes) { return Limits::nodes_for_input(input_bytes) / 8; }

bool has_inlinable_calls(const ir::Module& module, const ir::Function& function,
                         const builders::Profile& profile) {
  auto definitions = definitions_of(module, false);
  if (definitions.empty()) return false;
  for (const ir::Block& block : function.blocks)
    for (const ir::Instruction& instruction : block.instructions)
      if (const auto* call = std::get_if<ir::Call>(&instruction);
          call && inlinable(definitions, profile, call->callee))
        return true;
  return false;
}

Status inline_calls(const ir::Module& module, const ir::Function& function,
                    const builders::Profile& profile, ir::TextPool& names, BodySink& sink) {
  return Inliner(module, profile, names, sink, module.source.size()).run(function);
}

bool splices_every_callee(const ir::Module& definitions, const builders::Profile& profile) {
  ir::TextPool names;
  NoSink sink;
  return Inliner(definitions, profile, names, sink, definitions.source.size()).splices_every_callee();
}

struct StreamingInliner::State {
  ir::Function function;
  Inliner inliner;
};

StreamingInliner::StreamingInliner(const ir::Module& definitions, std::string_view function,
                                   const builders::Profile& profile, std::size_t input_bytes, ir::TextPool& names,
                                   BodySink& sink)
    : state_(new State{ir::Function{function, {}, std::nullopt, false, true},
                       Inliner(definitions, profile, names, sink, input_bytes)}) {
  state_->inliner.begin_stream(state_->function);
}

StreamingInliner::~StreamingInliner() = default;

StreamingInliner::Step StreamingInliner::instruction(const ir::Instruction& instruction, const char* where) {
  return state_->inliner.stream(instruction, where);
}

}  // namespace brintavel::translator
