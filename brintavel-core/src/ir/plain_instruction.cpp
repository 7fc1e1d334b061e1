#include "ir/plain_instruction.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>
#include <cstdint>

#include "ir/lexer.hpp"
#include "ir/operand_parser.hpp"

namespace brintavel::ir {

namespace {

// Only printable ASCII other than the characters that need the general parsers' care: the
// comment start, brackets other than parentheses, and quotes.
constexpr CharTable kNotPlain = [] {
  CharTable t{};
  for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = b < 0x20 || b > 0x7E;
  for (char c : std::string_view(";[]<>{}\"\\")) t[static_cast<unsigned char>(c)] = 1;
  return t;
}();

// Where a token ends: a space, comma or parenthesis, or a character that is not plain.
constexpr CharTable kTokenEnd = [] {
  CharTable t = kNotPlain;
  for (char c : std::string_view(" ,()")) t[static_cast<unsigned char>(c)] = 1;
  return t;
}();

// The run of characters up to a space, comma, parenthesis or the end. The readers below
// take a line with the lexer's cursor and accept plain text only (kNotPlain): literals are
// matched exactly, names are name characters, and tokens stop at the first character that is
// not plain; so a line read to its end is plain text throughout.
std::string_view token(Cursor& c) { return c.until(kTokenEnd); }

bool plain_text(std::string_view s) {
  std::uint8_t bad = 0;
  for (char c : s) bad |= kNotPlain[static_cast<unsigned char>(c)];
  return bad == 0;
}

// parse_float_literal, with the texts read recently kept per thread: programs write the same
// few angles many times.
std::optional<double> cached_float_literal(std::string_view word) {
  struct Entry {
    std::uint8_t size = 0;  // 0: empty
    char text[31];
    double value;
  };
  thread_local std::array<Entry, 64> cache{};
  if (word.size() > sizeof(Entry::text)) return parse_float_literal(word);
  std::uint64_t hash = word.size();
  for (char c : word) hash = hash * 31 + static_cast<unsigned char>(c);
  Entry& slot = cache[(hash * 0x9E3779B97F4A7C15ull) >> 58];
  if (slot.size == word.size() && std::memcmp(slot.text, word.data(), word.size()) == 0)
    return slot.value;
  auto value = parse_float_literal(word);
  if (value) {
    slot.size = static_cast<std::uint8_t>(word.size());
    std::memcpy(slot.text, word.data(), word.size());
    slot.value = *value;
  }
  return value;
}

enum class TypeClass { Pointer, Integer, Float };

struct PlainType {
  TypeClass kind;
  std::string_view text;
  OptionalName struct_name;  // Qubit for %Qubit*
  bool i8_pointer = false;
};

bool read_type(Cursor& c, PlainType& type) {
  std::string_view word = token(c);
  if (word.empty()) return false;
  type.text = word;
  type.struct_name = std::nullopt;
  type.i8_pointer = false;
  if (word == "ptr") {
    type.kind = TypeClass::Pointer;
  } else if (word == "i8*") {
    type.kind = TypeClass::Pointer;
    type.i8_pointer = true;
  } else if (word.size() >= 3 && word.front() == '%' && word.back() == '*') {
    std::string_view name = word.substr(1, word.size() - 2);
    for (char ch : name)
      if (!text::is_name_char(ch)) return false;
    type.kind = TypeClass::Pointer;
    type.struct_name = name;
  } else if (word.size() >= 2 && is_integer_type(word)) {
    type.kind = TypeClass::Integer;
  } else if (word == "double" || word == "float" || word == "half") {
    type.kind = TypeClass::Float;
  } else {
    return false;
  }
  return true;
}

// One operand after its type and a space. The value ends at the comma or parenthesis that
// ends the operand.
bool read_value(Cursor& c, const PlainType& type, Operand& out) {
  if (c.eat('%')) {
    std::string_view name = c.name();
    if (name.empty()) return false;
    out = Ssa{name};
    return true;
  }
  if (type.kind != TypeClass::Float && c.eat('@')) {
    std::string_view name = c.name();
    if (name.empty()) return false;
    out = GlobalRef{name};
    return true;
  }
  if (type.kind == TypeClass::Pointer) {
    if (c.eat("null")) {
      if (type.i8_pointer) {
        out = I8Null{};
      } else {
        out = PtrConst{type.struct_name, 0};
      }
      return true;
    }
    // inttoptr (<type> <index> to <type>)
    if (!c.eat("inttoptr (")) return false;
    std::string_view source_type = token(c);
    if (source_type.empty() || !c.eat(' ')) return false;
    std::string_view digits = token(c);
    if (!c.eat(" to ")) return false;
    std::optional<std::int64_t> index = parse_i64(digits);
    if (!index) return false;
    // The target type, up to the closing parenthesis.
    std::string_view target = token(c);
    if (target.empty() || !c.eat(')')) return false;
    out = PtrConst{type.struct_name, *index};
    return true;
  }
  std::string_view word = token(c);
  if (word.empty()) return false;
  if (type.kind == TypeClass::Integer) {
    if (type.text == "i1") {
      if (word == "0" || word == "false") {
        out = ConstBool{false};
        return true;
      }
      if (word == "1" || word == "true") {
        out = ConstBool{true};
        return true;
      }
    }
    auto value = parse_int_literal(word);
    if (!value) return false;
    out = ConstInt{*value};
    return true;
  }
  auto value = cached_float_literal(word);
  if (!value) return false;
  out = ConstFloat{*value};
  return true;
}

// `call `, after `tail ` or `notail ` if either comes first.
bool eat_call_words(Cursor& c) {
  if (!c.eat("tail ")) c.eat("notail ");
  return c.eat("call ");
}

// A call of the plain form, for a line known to be plain text.
bool parse_plain_text_call(std::string_view line, Call& call) {
  Cursor c(line);
  call.result.reset();
  if (c.eat('%')) {
    std::string_view result = c.name();
    if (result.empty() || !c.eat(" = ")) return false;
    call.result = result;
  }
  if (!eat_call_words(c)) return false;
  // Return attributes (`call zeroext i1 @f(...)`, as producers write result reads) come first.
  std::string_view return_type = token(c);
  while (is_attribute_word(return_type)) {
    if (!c.eat(' ')) return false;
    return_type = token(c);
  }
  if (return_type.empty() || !c.eat(' ')) return false;
  if (!c.eat('@')) return false;
  std::string_view callee = c.name();
  if (callee.empty() || !c.eat('(')) return false;
  call.callee = callee;
  call.return_type = return_type;
  call.args.clear();
  if (!c.eat(')')) {
    for (;;) {
      PlainType type;
      if (!read_type(c, type) || !c.eat(' ')) return false;
      Operand value = I8Null{};
      if (!read_value(c, type, value)) return false;
      call.args.push_back(value);
      if (c.eat(')')) break;
      if (!c.eat(',')) return false;
      c.eat(' ');
    }
  }
  // Attribute-group references may follow.
  while (c.eat(" #"))
    if (c.digits().empty()) return false;
  return c.at_end();
}


// br label %x, or br i1 c, label %t, label %f.
bool parse_plain_branch(std::string_view line, Instruction& out) {
  Cursor c(line);
  if (!c.eat("br ")) return false;
  if (c.eat("label %")) {
    std::string_view target = c.name();
    if (target.empty() || !c.at_end()) return false;
    out = Br{target};
    return true;
  }
  if (!c.eat("i1 ")) return false;
  CondBr br;
  if (c.eat('%')) {
    std::string_view name = c.name();
    if (name.empty()) return false;
    br.condition = name;
  } else {
    std::string_view word = token(c);
    if (word == "0" || word == "false") {
      br.condition = false;
    } else if (word == "1" || word == "true") {
      br.condition = true;
    } else {
      return false;
    }
  }
  if (!c.eat(", label %")) return false;
  br.true_label = c.name();
  if (br.true_label.empty() || !c.eat(", label %")) return false;
  br.false_label = c.name();
  if (br.false_label.empty() || !c.at_end()) return false;
  out = br;
  return true;
}

// Two operands of the integer type `type`: `<value>, <value>` to the end of the line.
bool read_integer_pair(Cursor& c, Operand& lhs, Operand& rhs) {
  PlainType type;
  if (!read_type(c, type) || type.kind != TypeClass::Integer || !c.eat(' ')) return false;
  return read_value(c, type, lhs) && c.eat(", ") && read_value(c, type, rhs) && c.at_end();
}

constexpr std::string_view kPredicates[] = {"eq", "ne", "ugt", "uge", "ult", "ule", "sgt", "sge", "slt", "sle"};

// %r = <opcode> ... of the forms in the header, for a line known to be plain text.
bool parse_plain_assignment(std::string_view line, InstructionSet set, Instruction& out) {
  Cursor c(line);
  if (!c.eat('%')) return false;
  std::string_view result = c.name();
  if (result.empty() || !c.eat(" = ")) return false;
  std::string_view opcode = token(c);
  if (!c.eat(' ')) return false;
  const bool extended = set == InstructionSet::Extended;
  Operand lhs = I8Null{}, rhs = I8Null{};
  for (auto [name, op] : {std::pair{"add", ArithOp::Add}, {"sub", ArithOp::Sub}, {"mul", ArithOp::Mul}}) {
    if (opcode != name) continue;
    std::string_view ty = c.rest().substr(0, c.rest().find(' '));
    if (!read_integer_pair(c, lhs, rhs)) return false;
    out = Arith{op, lhs, rhs, result, ty};
    return true;
  }
  if (opcode == "icmp") {
    std::string_view predicate = token(c);
    if (std::find(std::begin(kPredicates), std::end(kPredicates), predicate) == std::end(kPredicates) ||
        !c.eat(' '))
      return false;
    std::string_view ty = c.rest().substr(0, c.rest().find(' '));
    if (!read_integer_pair(c, lhs, rhs)) return false;
    out = Icmp{predicate, lhs, rhs, result, ty};
    return true;
  }
  if (extended) {
    for (std::size_t k = 0; k < std::size(kIntOpNames); ++k) {
      if (opcode != kIntOpNames[k]) continue;
      auto op = static_cast<IntOpKind>(k);
      std::string_view ty = c.rest().substr(0, c.rest().find(' '));
      if (op <= IntOpKind::Xor && ty == "i1") return false;
      if (!read_integer_pair(c, lhs, rhs)) return false;
      out = IntOp{op, ty, lhs, rhs, result};
      return true;
    }
  }
  // <cast> <iN> <value> to <iM>
  std::optional<CastKind> cast;
  if (opcode == "zext") cast = CastKind::ZExt;
  if (extended && opcode == "sext") cast = CastKind::SExt;
  if (extended && opcode == "trunc") cast = CastKind::Trunc;
  if (!cast) return false;
  PlainType from;
  if (!read_type(c, from) || from.kind != TypeClass::Integer || !c.eat(' ') || !read_value(c, from, lhs) ||
      !c.eat(" to "))
    return false;
  std::string_view to = token(c);
  if (!c.at_end() || !integer_width(from.text) || !integer_width(to)) return false;
  if (extended) {
    out = Cast{*cast, from.text, lhs, to, result};
    return true;
  }
  // The base set reads a zext of a local value only.
  const auto* source = std::get_if<Ssa>(&lhs);
  if (!source) return false;
  out = Zext{source->name, result};
  return true;
}

}  // namespace

const Instruction* PlainInstructionReader::read(std::string_view line) {
  if (line.empty()) return nullptr;
  // The cursor accepts plain text only, so the calls and branches need no check of their own.
  switch (line.front()) {
    case 'b':
      return parse_plain_branch(line, other_) ? &other_ : nullptr;
    case 'r':
      // ret and whatever it returns; no brackets, so the line is complete.
      if (line.size() >= 3 && line.starts_with("ret") && (line.size() == 3 || line[3] == ' ') &&
          plain_text(line) && line.find_first_of("()=") == std::string_view::npos) {
        other_ = Ret{};
        return &other_;
      }
      return nullptr;
    default:
      // A call, or an assignment of anything but a call's result: the words after the first
      // ` = ` tell which, and the line is read once.
      if (line.front() == '%') {
        std::size_t equals = line.find(" = ");
        if (equals == std::string_view::npos) return nullptr;
        if (Cursor rest(line.substr(equals + 3)); !eat_call_words(rest))
          return parse_plain_assignment(line, set_, other_) ? &other_ : nullptr;
      }
      return parse_plain_text_call(line, std::get<Call>(call_)) ? &call_ : nullptr;
  }
}

}  // namespace brintavel::ir
