#include "ir/instruction_parser.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace brintavel::ir {

using text::cat;
using text::q;

namespace {

struct Parts {
  std::string_view line;                   // comment removed, trimmed
  std::optional<std::string_view> result;  // %name before =, without the %
  std::string_view opcode;
  std::string_view rest;                   // operand text after the opcode
};

Parts split_instruction(std::string_view text_in) {
  Parts p;
  p.line = text::trim(without_comment(text_in));
  Assignment assignment = split_assignment(p.line);
  p.result = assignment.result;
  std::string_view body = skip_call_markers(assignment.body);
  p.opcode = first_word(body);
  p.rest = after_first_word(body);
  return p;
}

// The text after the first word of `s` (which has no leading white space), untrimmed.
std::string_view text_after_word(std::string_view s, std::string_view word) {
  return s.substr(word.size());
}

Result<Instruction> parse_call(const Parts& p, TextPool& pool) {
  std::string_view rest = p.rest;
  // Return attributes (`call zeroext i1 @f(...)`, as QIR producers write result reads)
  // come before the return type.
  std::string_view ret = skip_words_if(rest, is_attribute_word);
  std::string_view return_type = first_word(ret);
  std::string_view s = text::trim_start(text_after_word(ret, return_type));
  if (s.starts_with('(')) {
    std::size_t close = matching_bracket(s, 0);
    if (close == std::string_view::npos)
      return parse_error(cat("call function-type prefix has unbalanced parens: ", q(rest)));
    s = s.substr(close + 1);
  }
  s = text::trim_start(s);
  auto callee = parse_global_name(s);
  if (!callee) return parse_error(cat("could not parse callee in call: ", q(rest)));
  std::size_t open = callee->rest.find('(');
  if (open == std::string_view::npos)
    return parse_error(cat("call missing ( after callee name: ", q(rest)));
  std::size_t close = matching_bracket(callee->rest, open);
  if (close == std::string_view::npos)
    return parse_error(cat("call has unbalanced parens: ", q(rest)));
  std::string_view arg_text = callee->rest.substr(open + 1, close - open - 1);

  Call call{callee->name, {}, return_type, p.result};
  if (!text::trim(arg_text).empty()) {
    // The bracket check covers the whole argument text before any operand is parsed.
    std::size_t count;
    BRINTAVEL_CHECK(check_top_level_brackets(arg_text, count));
    call.args.reserve(count);
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count; ++k) {
      BRINTAVEL_TRY_ASSIGN(Operand arg, parse_operand(next_top_level_piece(arg_text, pos), pool));
      call.args.push_back(std::move(arg));
    }
  }
  return call;
}

std::optional<std::string_view> label_reference(std::string_view piece) {
  if (piece.size() <= 4 || !piece.starts_with("label")) return std::nullopt;
  std::string_view after = text::trim_start(piece.substr(5));
  if (!after.starts_with('%')) return std::nullopt;
  return parse_label_name(after.substr(1));
}

Result<Instruction> parse_br(const Parts& p) {
  std::string_view r = text::trim(p.rest);
  if (r.size() > 4 && r.starts_with("label")) {
    std::string_view after = text::trim_start(r.substr(5));
    if (!after.starts_with('%')) return parse_error(cat("br label missing %<target>: ", q(p.rest)));
    return Br{parse_label_name(after.substr(1))};
  }
  if (r.size() >= 3 && r.starts_with("i1 ")) {
    BRINTAVEL_TRY_ASSIGN(auto pieces, split_top_level(r.substr(3)));
    if (pieces.size() != 3)
      return parse_error(cat("br i1 expects cond, true_label, false_label: ", q(p.rest)));
    CondBr br;
    std::string_view cond = pieces[0];
    if (cond.starts_with('%')) {
      br.condition = cond.substr(1);
    } else if (cond == "0" || cond == "false") {
      br.condition = false;
    } else if (cond == "1" || cond == "true") {
      br.condition = true;
    } else {
      return parse_error(cat("unsupported constant branch condition ", q(cond)));
    }
    for (int k = 1; k <= 2; ++k) {
      auto label = label_reference(pieces[k]);
      if (!label) return parse_error(cat("br i1 expected 'label %name', got ", q(pieces[k])));
      (k == 1 ? br.true_label : br.false_label) = *label;
    }
    return br;
  }
  return parse_error(cat("unsupported br form: ", q(p.rest)));
}

// The two operands of a binary instruction, both of type `ty`, from the text after the type.
struct OperandPair {
  Operand lhs;
  Operand rhs;
};

Result<OperandPair> parse_operand_pair(const Parts& p, std::string_view ty, std::string_view text,
                                       TextPool& pool) {
  BRINTAVEL_TRY_ASSIGN(auto pieces, split_top_level(text));
  if (pieces.size() != 2) return parse_error(cat(p.opcode, " expects two operands: ", q(p.rest)));
  BRINTAVEL_TRY_ASSIGN(Operand lhs, parse_typed_operand(ty, pieces[0], pool));
  BRINTAVEL_TRY_ASSIGN(Operand rhs, parse_typed_operand(ty, pieces[1], pool));
  return OperandPair{std::move(lhs), std::move(rhs)};
}

Result<Instruction> parse_logic(const Parts& p, LogicOp op, TextPool& pool) {
  if (!p.result) return parse_error(cat(p.opcode, " without SSA result assignment"));
  std::string_view ty = first_word(p.rest);
  if (ty != "i1")
    return parse_error(cat(p.opcode, " on ", ty, " not yet supported (only i1 is handled)"));
  BRINTAVEL_TRY_ASSIGN(auto pair, parse_operand_pair(p, ty, text_after_word(p.rest, ty), pool));
  auto [lhs, rhs] = std::move(pair);
  return Logic{op, std::move(lhs), std::move(rhs), *p.result};
}

Result<Instruction> parse_arith(const Parts& p, ArithOp op, TextPool& pool) {
  if (!p.result) return parse_error(cat(p.opcode, " without SSA result assignment"));
  bool nsw = false;
  std::string_view s = p.rest;
  for (std::string_view w = first_word(s); w == "nuw" || w == "nsw"; w = first_word(s)) {
    nsw = nsw || w == "nsw";
    s = after_first_word(s);
  }
  std::string_view ty = first_word(s);
  BRINTAVEL_TRY_ASSIGN(auto pair, parse_operand_pair(p, ty, text_after_word(s, ty), pool));
  auto [lhs, rhs] = std::move(pair);
  return Arith{op, std::move(lhs), std::move(rhs), *p.result, ty, nsw};
}

Result<Instruction> parse_icmp(const Parts& p, TextPool& pool) {
  if (!p.result) return parse_error("icmp without SSA result assignment");
  std::string_view predicate = first_word(p.rest);
  std::string_view after_predicate = after_first_word(p.rest);
  std::string_view ty = first_word(after_predicate);
  BRINTAVEL_TRY_ASSIGN(auto pair,
                       parse_operand_pair(p, ty, text_after_word(after_predicate, ty), pool));
  auto [lhs, rhs] = std::move(pair);
  return Icmp{predicate, std::move(lhs), std::move(rhs), *p.result, ty};
}

Result<Instruction> parse_select(const Parts& p, TextPool& pool) {
  if (!p.result) return parse_error("select without SSA result assignment");
  std::string_view cond_ty = first_word(p.rest);
  if (cond_ty != "i1")
    return parse_error(cat("select condition must be typed `i1`, got ", q(cond_ty)));
  BRINTAVEL_TRY_ASSIGN(auto pieces, split_top_level(text_after_word(p.rest, cond_ty)));
  if (pieces.size() != 3)
    return parse_error(
        cat("select expects three comma-separated operands (cond, then, else): ", q(p.rest)));
  BRINTAVEL_TRY_ASSIGN(Operand cond, parse_typed_operand("i1", pieces[0], pool));
  std::string_view then_ty = first_word(pieces[1]);
  BRINTAVEL_TRY_ASSIGN(Operand then_value,
                       parse_typed_operand(then_ty, after_first_word(pieces[1]), pool));
  std::string_view else_ty = first_word(pieces[2]);
  if (else_ty != then_ty)
    return parse_error(
        cat("select branch types must match, got then=", q(then_ty), " else=", q(else_ty)));
  BRINTAVEL_TRY_ASSIGN(Operand else_value,
                       parse_typed_operand(else_ty, after_first_word(pieces[2]), pool));
  return Select{std::move(cond), std::move(then_value), std::move(else_value), then_ty,
                *p.result};
}

Result<Instruction> parse_phi(const Parts& p, TextPool& pool) {
  if (!p.result) return parse_error("phi without SSA result assignment");
  std::string_view ty = first_word(p.rest);
  std::string_view s = text_after_word(p.rest, ty);
  Phi phi{ty, {}, *p.result};
  std::size_t i = 0;
  for (;;) {
    while (i < s.size() && (text::is_ascii_space(s[i]) || s[i] == ',')) ++i;
    if (i >= s.size()) break;
    if (s[i] != '[')
      return parse_error(cat("phi malformed incoming starting at ", q(s.substr(i))));
    std::size_t close = s.find(']', i + 1);
    if (close == std::string_view::npos) return parse_error("phi incoming missing ]");
    std::string_view inner = s.substr(i + 1, close - i - 1);
    BRINTAVEL_TRY_ASSIGN(auto pieces, split_top_level(inner));
    if (pieces.size() != 2)
      return parse_error(cat("phi incoming must have value and predecessor: [", inner, "]"));
    BRINTAVEL_TRY_ASSIGN(Operand value, parse_typed_operand(ty, pieces[0], pool));
    if (!pieces[1].starts_with('%'))
      return parse_error(cat("phi incoming predecessor must be %<label>, got ", q(pieces[1])));
    phi.incomings.push_back(PhiIncoming{std::move(value), parse_label_name(pieces[1].substr(1))});
    i = close + 1;
  }
  if (phi.incomings.empty()) return parse_error("phi has no incomings");
  return phi;
}

Result<Instruction> parse_inttoptr(const Parts& p, TextPool& pool) {
  if (!p.result) return parse_error("inttoptr without SSA result assignment");
  std::string_view r = text::trim(p.rest);
  std::size_t to = find_to_clause(r);
  if (to == std::string_view::npos)
    return parse_error(cat("inttoptr without a `to` clause: ", q(p.rest)));
  BRINTAVEL_TRY_ASSIGN(Operand value, parse_operand(r.substr(0, to), pool));
  return IntToPtr{std::move(value), *p.result};
}

// ---- Tolerated forms: the modelled kind when the simple form matches, else Ignored. ----

std::optional<std::vector<std::string_view>> split_quietly(std::string_view s) {
  auto pieces = split_top_level(text::trim(without_comment(s)));
  if (!pieces) return std::nullopt;
  return std::move(*pieces);
}

std::optional<Instruction> parse_load(const Parts& p) {
  if (!p.result) return std::nullopt;
  auto pieces = split_quietly(p.rest);
  if (!pieces || pieces->size() < 2) return std::nullopt;
  auto pointer = first_local_name((*pieces)[1]);
  if (!pointer) return std::nullopt;
  return Load{*pointer, *p.result, text::trim((*pieces)[0])};
}

std::optional<Instruction> parse_store(const Parts& p, TextPool& pool) {
  auto pieces = split_quietly(p.rest);
  if (!pieces || pieces->size() < 2) return std::nullopt;
  std::string_view first = (*pieces)[0];
  std::string_view ty = ascii_word(first);
  if (ty.size() == first.size()) return std::nullopt;
  auto value = parse_typed_operand(ty, text::trim(first.substr(ty.size())), pool);
  if (!value) return std::nullopt;
  auto pointer = first_local_name((*pieces)[1]);
  if (!pointer) return std::nullopt;
  return Store{std::move(*value), *pointer, ty};
}

// zext and bitcast: the name of the local value before the ` to ` clause.
std::optional<std::string_view> cast_source(const Parts& p) {
  if (!p.result) return std::nullopt;
  std::string_view r = text::trim(p.rest);
  std::size_t to = find_to_clause(r);
  if (to == std::string_view::npos) return std::nullopt;
  return first_local_name(r.substr(0, to));
}

std::optional<std::uint64_t> parse_gep_index(std::string_view piece) {
  if (!piece.starts_with("i32 ") && !piece.starts_with("i64 ")) return std::nullopt;
  return parse_u64(piece.substr(4));
}

std::optional<Instruction> parse_gep(const Parts& p) {
  if (!p.result) return std::nullopt;
  std::string_view r = text::trim(without_comment(p.rest));
  if (first_word(r) == "inbounds") r = after_first_word(r);
  auto pieces = split_quietly(r);
  if (!pieces || pieces->size() != 4) return std::nullopt;
  auto base = first_local_name((*pieces)[1]);
  if (!base) return std::nullopt;
  if ((*pieces)[2] != "i32 0" && (*pieces)[2] != "i64 0") return std::nullopt;
  auto index = parse_gep_index((*pieces)[3]);
  if (!index) return std::nullopt;
  return Gep{*base, *index, *p.result};
}

// ---- Extended forms: the instruction, a parse error, or nothing for the base parser. ----

// Leading flag words: integer wrap and exactness flags, fast-math flags.
std::string_view skip_flags(std::string_view s) {
  return skip_words(s, {"nuw", "nsw", "exact", "fast", "nnan", "ninf", "nsz", "arcp", "contract", "afn",
                        "reassoc", "disjoint"});
}

// A two-operand instruction of type `ty` written `<flags> <ty> a, b`.
Result<OperandPair> typed_pair(const Parts& p, std::string_view& ty, TextPool& pool) {
  std::string_view s = skip_flags(p.rest);
  ty = first_word(s);
  return parse_operand_pair(p, ty, text_after_word(s, ty), pool);
}

// An IntOp or FloatOp: `<flags> <ty> a, b`.
template <class Op, class Kind>
Result<Instruction> parse_typed_binary(const Parts& p, Kind kind, TextPool& pool) {
  if (!p.result) return parse_error(cat(p.opcode, " without SSA result assignment"));
  std::string_view ty;
  BRINTAVEL_TRY_ASSIGN(auto pair, typed_pair(p, ty, pool));
  return Op{kind, ty, std::move(pair.lhs), std::move(pair.rhs), *p.result};
}

// getelementptr [inbounds] [nuw] [N x T], ptr @g, i64 a, i64 b; nothing for other forms.
std::optional<Instruction> parse_element_address(const Parts& p, TextPool& pool) {
  if (!p.result) return std::nullopt;
  std::string_view r = skip_words(text::trim(without_comment(p.rest)), {"inbounds", "nuw", "nusw"});
  auto pieces = split_quietly(r);
  if (!pieces || pieces->size() != 4) return std::nullopt;
  std::string_view array = text::trim((*pieces)[0]);
  std::size_t times = array.find(" x ");
  if (!array.starts_with('[') || times == std::string_view::npos) return std::nullopt;
  auto length = parse_u64(text::trim(array.substr(1, times - 1)));
  std::string_view base = text::trim((*pieces)[1]);
  std::size_t at = base.find('@');
  if (!length || at == std::string_view::npos) return std::nullopt;
  std::string_view global = text::trim(base.substr(at + 1));
  Operand indices[2];
  for (int k = 0; k < 2; ++k) {
    std::string_view piece = text::trim((*pieces)[2 + k]);
    std::string_view ty = first_word(piece);
    auto value = parse_typed_operand(ty, text::trim(text_after_word(piece, ty)), pool);
    if (!value) return std::nullopt;
    indices[k] = std::move(*value);
  }
  return ElementAddress{global, *length, std::move(indices[0]), std::move(indices[1]), *p.result};
}

// The struct type at the start of `s` ({ ... }, or <{ ... }> for a packed one) and what
// follows it; nothing when `s` does not start with one.
std::optional<std::pair<std::string_view, std::string_view>> struct_type(std::string_view s) {
  s = text::trim(s);
  if (!s.starts_with('{') && !s.starts_with("<{")) return std::nullopt;
  int depth = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    if (s[k] == '{') ++depth;
    if (s[k] == '}' && --depth == 0) {
      std::size_t end = k + 1 + (k + 1 < s.size() && s[k + 1] == '>');
      return std::pair{s.substr(0, end), text::trim(s.substr(end))};
    }
  }
  return std::nullopt;
}

// An aggregate operand: a local, or poison/undef (an Ssa without a name).
std::optional<Operand> aggregate_operand(std::string_view s) {
  s = text::trim(s);
  if (s == "poison" || s == "undef" || s == "zeroinitializer") return Operand(Ssa{});
  if (auto name = first_local_name(s)) return Operand(Ssa{*name});
  return std::nullopt;
}

// insertvalue / extractvalue of a struct, and a select between structs.
std::optional<Result<Instruction>> parse_aggregate(const Parts& p, TextPool& pool) {
  using Parsed = std::optional<Result<Instruction>>;
  if (!p.result) return std::nullopt;
  if (p.opcode == "select") {
    auto pieces = split_quietly(text_after_word(p.rest, first_word(p.rest)));
    if (!pieces || pieces->size() != 3 || first_word(p.rest) != "i1") return std::nullopt;
    auto then_type = struct_type((*pieces)[1]), else_type = struct_type((*pieces)[2]);
    if (!then_type || !else_type) return std::nullopt;
    auto cond = parse_typed_operand("i1", (*pieces)[0], pool);
    auto a = aggregate_operand(then_type->second), b = aggregate_operand(else_type->second);
    if (!cond || !a || !b) return std::nullopt;
    return Parsed(Select{std::move(*cond), std::move(*a), std::move(*b), then_type->first, *p.result});
  }
  auto type = struct_type(p.rest);
  if (!type) return std::nullopt;
  auto pieces = split_quietly(type->second);
  if (!pieces) return std::nullopt;
  auto index = [](std::string_view s) -> std::optional<std::uint32_t> {
    auto v = parse_u64(text::trim(s));
    if (!v || *v > 64) return std::nullopt;
    return static_cast<std::uint32_t>(*v);
  };
  if (p.opcode == "extractvalue" && pieces->size() == 2) {
    auto aggregate = aggregate_operand((*pieces)[0]);
    auto k = index((*pieces)[1]);
    // The field's type: the k-th of the struct's.
    auto fields = split_quietly(type->first.substr(type->first.find('{') + 1,
                                                   type->first.rfind('}') - type->first.find('{') - 1));
    if (!aggregate || !k || !fields || *k >= fields->size()) return std::nullopt;
    return Parsed(ExtractValue{std::move(*aggregate), *k, text::trim((*fields)[*k]), *p.result});
  }
  if (p.opcode == "insertvalue" && pieces->size() == 3) {
    auto aggregate = aggregate_operand((*pieces)[0]);
    std::string_view value_ty = first_word((*pieces)[1]);
    auto value = parse_typed_operand(value_ty, after_first_word((*pieces)[1]), pool);
    auto k = index((*pieces)[2]);
    if (!aggregate || !value || !k) return std::nullopt;
    return Parsed(InsertValue{std::move(*aggregate), std::move(*value), *k, *p.result});
  }
  return std::nullopt;
}

std::optional<Result<Instruction>> parse_extended(const Parts& p, TextPool& pool) {
  using Parsed = std::optional<Result<Instruction>>;

  if (p.opcode == "freeze") {
    if (!p.result) return Parsed(parse_error("freeze without SSA result assignment"));
    std::string_view ty = first_word(p.rest);
    auto value = parse_typed_operand(ty, text::trim(text_after_word(p.rest, ty)), pool);
    if (!value) return Parsed(std::move(value).error());
    return Parsed(Freeze{std::move(*value), *p.result});
  }
  if (p.opcode == "insertvalue" || p.opcode == "extractvalue" || p.opcode == "select") {
    if (auto aggregate = parse_aggregate(p, pool)) return aggregate;
    if (p.opcode != "select") return std::nullopt;
  }

  if (p.opcode == "getelementptr") {
    if (auto address = parse_element_address(p, pool)) return Parsed(std::move(*address));
    return std::nullopt;
  }

  for (std::size_t k = 0; k < std::size(kIntOpNames); ++k) {
    if (p.opcode != kIntOpNames[k]) continue;
    auto op = static_cast<IntOpKind>(k);
    // i1 logic keeps its base form.
    if (op <= IntOpKind::Xor && first_word(p.rest) == "i1") return std::nullopt;
    return Parsed(parse_typed_binary<IntOp>(p, op, pool));
  }
  for (std::size_t k = 0; k < std::size(kCastNames); ++k) {
    if (p.opcode != kCastNames[k]) continue;
    auto kind = static_cast<CastKind>(k);
    // Anything malformed keeps its base form.
    if (!p.result) return std::nullopt;
    std::string_view r = skip_words(text::trim(p.rest), {"nneg", "nuw", "nsw"});  // zext nneg, trunc nuw
    std::size_t to = find_to_clause(r);
    if (to == std::string_view::npos) return std::nullopt;
    auto value = parse_operand(r.substr(0, to), pool);
    if (!value) return std::nullopt;
    std::string_view to_ty = text::trim(r.substr(to + 4));
    // A zext from what is not an integer type of 1 to 64 bits keeps its base form too.
    if (kind == CastKind::ZExt && !integer_width(first_word(r))) return std::nullopt;
    return Parsed(Cast{kind, first_word(r), std::move(*value), first_word(to_ty), *p.result});
  }
  for (std::size_t k = 0; k < std::size(kFloatOpNames); ++k) {
    if (p.opcode == kFloatOpNames[k]) return Parsed(parse_typed_binary<FloatOp>(p, static_cast<FloatOpKind>(k), pool));
  }
  if (p.opcode == "fneg") {
    if (!p.result) return Parsed(parse_error("fneg without SSA result assignment"));
    std::string_view s = skip_flags(p.rest);
    std::string_view ty = first_word(s);
    auto value = parse_typed_operand(ty, text::trim(text_after_word(s, ty)), pool);
    if (!value) return Parsed(std::move(value).error());
    return Parsed(FNeg{ty, std::move(*value), *p.result});
  }
  if (p.opcode == "fcmp") {
    if (!p.result) return Parsed(parse_error("fcmp without SSA result assignment"));
    std::string_view s = skip_flags(p.rest);
    std::string_view predicate = first_word(s);
    std::string_view after_predicate = after_first_word(s);
    std::string_view ty = first_word(after_predicate);
    auto pair = parse_operand_pair(p, ty, text_after_word(after_predicate, ty), pool);
    if (!pair) return Parsed(std::move(pair).error());
    return Parsed(Fcmp{predicate, ty, std::move(pair->lhs), std::move(pair->rhs), *p.result});
  }
  return std::nullopt;
}

Instruction or_ignored(std::optional<Instruction> parsed, std::string_view opcode) {
  if (parsed) return std::move(*parsed);
  return Ignored{opcode};
}

// A line as the base instruction set reads it; the extended set falls back to it.
Result<Instruction> parse_base(const Parts& p, TextPool& pool) {
  std::string_view op = p.opcode;
  if (op.empty()) return parse_error(cat("empty instruction in block body: ", q(p.line)));

  if (op == "call") return parse_call(p, pool);
  if (op == "br") return parse_br(p);
  if (op == "ret") return Ret{};
  if (op == "xor") return parse_logic(p, LogicOp::Xor, pool);
  if (op == "and") return parse_logic(p, LogicOp::And, pool);
  if (op == "or") return parse_logic(p, LogicOp::Or, pool);
  if (op == "add") return parse_arith(p, ArithOp::Add, pool);
  if (op == "sub") return parse_arith(p, ArithOp::Sub, pool);
  if (op == "mul") return parse_arith(p, ArithOp::Mul, pool);
  if (op == "icmp") return parse_icmp(p, pool);
  if (op == "select") return parse_select(p, pool);
  if (op == "phi") return parse_phi(p, pool);
  if (op == "inttoptr") return parse_inttoptr(p, pool);

  if (op == "load") return or_ignored(parse_load(p), op);
  if (op == "store") return or_ignored(parse_store(p, pool), op);
  if (op == "zext") {
    if (auto src = cast_source(p)) return Zext{*src, *p.result};
    return Ignored{op};
  }
  if (op == "bitcast") {
    if (auto src = cast_source(p)) return Bitcast{*src, *p.result};
    return Ignored{op};
  }
  if (op == "alloca") {
    if (p.result) {
      auto pieces = split_quietly(p.rest);
      return Alloca{*p.result, pieces && !pieces->empty() ? text::trim((*pieces)[0]) : std::string_view{}};
    }
    return Ignored{op};
  }
  if (op == "getelementptr") return or_ignored(parse_gep(p), op);

  if (op == "sext" || op == "trunc" || op == "ptrtoint" || op == "insertvalue" ||
      op == "extractvalue")
    return Ignored{op};
  return Unknown{op, {}};
}

}  // namespace

Result<Instruction> parse_instruction(std::string_view text_in, TextPool& pool) {
  return parse_instruction(text_in, pool, InstructionSet::Base);
}

Result<Instruction> parse_instruction(std::string_view text_in, TextPool& pool, InstructionSet set) {
  Parts p = split_instruction(text_in);
  if (set != InstructionSet::Extended) return parse_base(p, pool);
  auto extended = parse_extended(p, pool);
  if (!extended) return parse_base(p, pool);
  if (*extended) return std::move(*extended);
  // A line the base set leaves unknown keeps its (parse) error until it is lowered.
  auto base = parse_base(p, pool);
  if (auto* unknown = base ? std::get_if<Unknown>(&*base) : nullptr) {
    unknown->problem = pool.keep(std::move(extended->error().message));
    return base;
  }
  return std::move(*extended);
}

}  // namespace brintavel::ir
