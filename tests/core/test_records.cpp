// The output records: what the final result register determines of each record, and what it
// does not (with the warning that says why). Each case shows the records compactly: KIND then
// `c[j]` for a result bit, `=v` for a constant, `bits->values` for a table, or `? why`.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"

namespace {

using namespace brintavel;

std::string shown(const Translation& t) {
  static const char* kinds[] = {"RESULT", "BOOL", "INT", "DOUBLE", "TUPLE", "ARRAY"};
  std::string out;
  std::size_t warning = 0;
  for (const OutputRecord& r : t.records) {
    out += kinds[static_cast<int>(r.kind)];
    if (!r.determined) {
      std::string_view message = warning < t.warnings.size() ? std::string_view(t.warnings[warning++].message) : "";
      out += " ? " + std::string(message.substr(message.rfind(": ") + 2));
    } else if (r.kind == OutputRecord::Kind::Tuple || r.kind == OutputRecord::Kind::Array) {
      out += " " + std::to_string(r.count);
    } else if (r.bits.empty()) {
      out += " =" + (r.reals.empty() ? std::to_string(r.values.front()) : std::to_string(r.reals.front()));
    } else if (r.kind == OutputRecord::Kind::Result) {
      out += " c[" + std::to_string(r.bits.front()) + "]";
    } else {
      out += " ";
      for (std::int64_t b : r.bits) out += std::to_string(b);
      out += "->";
      for (std::int64_t v : r.values) out += std::to_string(v) + ",";
    }
    out += "; ";
  }
  return out;
}

const char* kDeclarations =
    "declare void @__quantum__qis__h__body(ptr)\n"
    "declare void @__quantum__qis__mz__body(ptr, ptr)\n"
    "declare i1 @__quantum__qis__read_result__body(ptr)\n"
    "declare void @__quantum__rt__result_record_output(ptr, ptr)\n"
    "declare void @__quantum__rt__int_record_output(i64, ptr)\n"
    "declare void @__quantum__rt__bool_record_output(i1, ptr)\n"
    "declare void @__quantum__rt__tuple_record_output(i64, ptr)\n"
    "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"adaptive_profile\" }\n";

TEST(Records, WhatTheFinalRegisterDetermines) {
  struct Case {
    const char* body;
    const char* expected;
  };
  const Case cases[] = {
      {// A result read before nothing is measured into it reads Zero; a constant is itself.
       "entry:\n"
       "  %r = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 5 to ptr))\n"
       "  %z = zext i1 %r to i64\n"
       "  call void @__quantum__rt__int_record_output(i64 %z, ptr null)\n"
       "  call void @__quantum__rt__bool_record_output(i1 true, ptr null)\n"
       "  ret void\n",
       "INT =0; BOOL =1; "},
      {// A diamond on a read result: the phi is a table over the bit; a record in one arm is
       // made on some shots only.
       "entry:\n"
       "  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
       "  %r = call i1 @__quantum__qis__read_result__body(ptr null)\n"
       "  br i1 %r, label %one, label %done\n"
       "one:\n"
       "  call void @__quantum__rt__result_record_output(ptr null, ptr null)\n"
       "  br label %done\n"
       "done:\n"
       "  %v = phi i64 [ 3, %entry ], [ 7, %one ]\n"
       "  call void @__quantum__rt__int_record_output(i64 %v, ptr null)\n"
       "  ret void\n",
       "RESULT ? it is made on some shots only; INT 0->3,7,; "},
      {// Recorded, then measured into again: the final bit is another measurement.
       "entry:\n"
       "  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
       "  call void @__quantum__rt__result_record_output(ptr null, ptr null)\n"
       "  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
       "  call void @__quantum__rt__result_record_output(ptr null, ptr null)\n"
       "  ret void\n",
       "RESULT ? result 0 may be measured into again after it is recorded; RESULT c[0]; "},
      {// A record in a loop is made once per trip.
       "entry:\n"
       "  br label %loop\n"
       "loop:\n"
       "  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
       "  %r = call i1 @__quantum__qis__read_result__body(ptr null)\n"
       "  call void @__quantum__rt__tuple_record_output(i64 0, ptr null)\n"
       "  br i1 %r, label %loop, label %exit\n"
       "exit:\n"
       "  ret void\n",
       "TUPLE ? it is made once per trip of a loop; "},
      {// Results nothing is measured into read Zero wherever they are read.
       "entry:\n"
       "  %r0 = call i1 @__quantum__qis__read_result__body(ptr null)\n"
       "  %s0 = zext i1 %r0 to i64\n"
       "  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
       "  %r1 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 1 to ptr))\n"
       "  %r2 = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 2 to ptr))\n"
       "  %a = and i1 %r1, %r2\n"
       "  call void @__quantum__rt__bool_record_output(i1 %a, ptr null)\n"
       "  ret void\n",
       "BOOL =0; "},
  };
  for (const Case& c : cases) {
    std::string text = std::string("define void @main() #0 {\n") + c.body + "}\n" + kDeclarations;
    for (bool extended : {false, true}) {
      TranslateOptions options;
      options.records = true;
      options.extended = extended;
      auto t = translate(text, options);
      ASSERT_TRUE(t) << t.error().message << "\n" << c.body;
      EXPECT_EQ(shown(*t), c.expected) << c.body;
      options.records = false;
      auto plain = translate(text, options);
      ASSERT_TRUE(plain);
      EXPECT_EQ(plain->program, t->program) << c.body;
    }
  }
}

TEST(Records, TablesHaveALimit) {
  std::string body = "entry:\n  call void @__quantum__qis__h__body(ptr null)\n";
  std::string sum = "0";
  for (int i = 0; i <= 12; ++i) {
    std::string k = std::to_string(i);
    body += "  call void @__quantum__qis__mz__body(ptr null, ptr inttoptr (i64 " + k + " to ptr))\n";
  }
  for (int i = 0; i <= 12; ++i) {
    std::string k = std::to_string(i);
    body += "  %r" + k + " = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 " + k + " to ptr))\n";
    body += "  %z" + k + " = zext i1 %r" + k + " to i64\n";
    body += "  %s" + k + " = add i64 " + (i == 0 ? std::string("0") : "%s" + std::to_string(i - 1)) + ", %z" + k + "\n";
  }
  body += "  call void @__quantum__rt__int_record_output(i64 %s11, ptr null)\n";
  body += "  call void @__quantum__rt__int_record_output(i64 %s12, ptr null)\n  ret void\n";
  TranslateOptions options;
  options.records = true;
  auto t = translate("define void @main() #0 {\n" + body + "}\n" + kDeclarations, options);
  ASSERT_TRUE(t) << t.error().message;
  ASSERT_EQ(t->records.size(), 2u);
  EXPECT_TRUE(t->records[0].determined);
  EXPECT_EQ(t->records[0].values.size(), 4096u);
  EXPECT_FALSE(t->records[1].determined);
  ASSERT_EQ(t->warnings.size(), 1u);
  EXPECT_NE(t->warnings[0].message.find("depends on more than 12 results"), std::string::npos);
  EXPECT_EQ(t->warnings[0].position, (SourcePosition{57, 3}));
}

TEST(Records, ManyBranchesKeepEarlyReadsDetermined) {
  // 200 blocks each measure a result, read it and count the ones in a phi: the count after five
  // blocks is a table over five results, however many blocks read results after it (a walk per
  // read would run out of its budget), and every result is recorded as its bit.
  std::string body = "entry:\n  br label %b0\nb0:\n";
  const int n = 200;
  for (int i = 0; i < n; ++i) {
    std::string k = std::to_string(i), c = i == 0 ? "0" : "%c" + k;
    if (i > 0)
      body += "b" + k + ":\n  %c" + k + " = phi i64 [ " + (i == 1 ? std::string("0") : "%c" + std::to_string(i - 1)) +
              ", %m" + std::to_string(i - 1) + " ], [ %d" + std::to_string(i - 1) + ", %t" + std::to_string(i - 1) + " ]\n";
    body += "  call void @__quantum__qis__mz__body(ptr inttoptr (i64 " + k + " to ptr), ptr inttoptr (i64 " + k + " to ptr))\n";
    body += "  %r" + k + " = call i1 @__quantum__qis__read_result__body(ptr inttoptr (i64 " + k + " to ptr))\n";
    body += "  br i1 %r" + k + ", label %t" + k + ", label %m" + k + "\n";
    body += "t" + k + ":\n  %d" + k + " = add i64 " + c + ", 1\n  br label %b" + std::to_string(i + 1) + "\n";
    body += "m" + k + ":\n  br label %b" + std::to_string(i + 1) + "\n";
  }
  body += "b" + std::to_string(n) + ":\n";
  for (int i = 0; i < n; ++i)
    body += "  call void @__quantum__rt__result_record_output(ptr inttoptr (i64 " + std::to_string(i) + " to ptr), ptr null)\n";
  body += "  call void @__quantum__rt__int_record_output(i64 %c5, ptr null)\n  ret void\n";
  TranslateOptions options;
  options.records = options.extended = true;
  auto t = translate("define void @main() #0 {\n" + body + "}\n" + kDeclarations, options);
  ASSERT_TRUE(t) << t.error().message;
  ASSERT_EQ(t->records.size(), static_cast<std::size_t>(n + 1));
  for (int i = 0; i < n; ++i) EXPECT_EQ(t->records[i].bits, (std::vector<std::int64_t>{i})) << i;
  const OutputRecord& count = t->records.back();
  EXPECT_TRUE(count.determined);
  EXPECT_EQ(count.bits, (std::vector<std::int64_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(count.values.at(31), 5);
}

}  // namespace
