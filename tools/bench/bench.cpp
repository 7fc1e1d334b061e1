// Throughput and memory of the translator on generated QIR programs.
//
//   brintavel-bench            all cases, the extended table last
//   brintavel-bench parse      only the parser
//   brintavel-bench translate  only whole translations of straight-line circuits
//   brintavel-bench control    only structuring-heavy programs
//   brintavel-bench threads    two translations at once against one after the other
//   brintavel-bench extended   the extended mode on programs in the style of the QDK's
//                              Adaptive profile output, beside the default mode
//                              (`extended --quick`: inputs ten times smaller)
//   brintavel-bench generate KIND N   print one of the generated programs, of size N, and
//                              nothing else: direct, inlined, packed, loops, straight-line, ifs
//
// The programs are written the way the QDK compiler writes them (as tools/bench/bench.py,
// which measures the Python module). Every case is timed as the best of several runs; peak
// memory is measured in a forked child that translates once, as the growth of its maximum
// resident set over the input; llvm-as assembles the same file once, as a whole process.
// The output is a Markdown table.
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

#include "brintavel/brintavel.hpp"
#include "ir/module_parser.hpp"

namespace {

using Clock = std::chrono::steady_clock;

const char* kDeclarations =
    "declare void @__quantum__rt__initialize(ptr)\n"
    "declare void @__quantum__qis__h__body(ptr)\n"
    "declare void @__quantum__qis__x__body(ptr)\n"
    "declare void @__quantum__qis__cnot__body(ptr, ptr)\n"
    "declare void @__quantum__qis__rz__body(double, ptr)\n"
    "declare void @__quantum__qis__mz__body(ptr, ptr writeonly)\n"
    "declare i1 @__quantum__rt__read_result(ptr)\n"
    "declare void @__quantum__rt__result_record_output(ptr, ptr)\n"
    "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"adaptive_profile\" }\n";

std::string qubit(long i) {
  return i == 0 ? "ptr null" : "ptr inttoptr (i64 " + std::to_string(i) + " to ptr)";
}

// Programs in the style the QDK compiler writes (the same as tools/bench/qir_programs.py):
// typed pointers and inttoptr operands over 100 qubits.
const char* kQdkHeader = "%Qubit = type opaque\n%Result = type opaque\n\ndefine void @main() #0 {\n";
const char* kQdkDeclarations =
    "}\n\n"
    "declare void @__quantum__rt__initialize(i8*)\n"
    "declare void @__quantum__qis__rx__body(double, %Qubit*)\n"
    "declare void @__quantum__qis__rzz__body(double, %Qubit*, %Qubit*)\n"
    "declare void @__quantum__qis__x__body(%Qubit*)\n"
    "declare void @__quantum__qis__mresetz__body(%Qubit*, %Result*)\n"
    "declare i1 @__quantum__qis__read_result__body(%Result*)\n\n"
    "attributes #0 = { \"entry_point\" \"output_labeling_schema\" \"qir_profiles\"=\"adaptive_profile\" "
    "\"required_num_qubits\"=\"100\" \"required_num_results\"=\"0\" }\n";
const char* kAngles[] = {"0.7853981633974483", "1.5707963267948966", "-0.39269908169872414",
                         "2.356194490192345"};

std::string qdk_qubit(long i) {
  return i == 0 ? "%Qubit* null" : "%Qubit* inttoptr (i64 " + std::to_string(i) + " to %Qubit*)";
}
std::string qdk_result(long i) {
  return i == 0 ? "%Result* null" : "%Result* inttoptr (i64 " + std::to_string(i) + " to %Result*)";
}

// `calls` gate calls, alternating rx(double) and rzz(double).
std::string straight_line(long calls) {
  std::string s = kQdkHeader;
  s += "entry:\n  call void @__quantum__rt__initialize(i8* null)\n";
  for (long i = 0; i < calls; ++i) {
    long a = i % 100;
    std::string angle = kAngles[i % 4];
    if (i % 2 == 0) {
      s += "  call void @__quantum__qis__rx__body(double " + angle + ", " + qdk_qubit(a) + ")\n";
    } else {
      long b = (a * 7 + 1) % 100;
      if (b == a) b = (a + 1) % 100;
      s += "  call void @__quantum__qis__rzz__body(double " + angle + ", " + qdk_qubit(a) + ", " +
           qdk_qubit(b) + ")\n";
    }
  }
  s += "  ret void\n";
  s += kQdkDeclarations;
  return s;
}

// `blocks` blocks that measure and reset a qubit, read the result and branch to a correction.
std::string conditioned_blocks(long blocks) {
  std::string s = kQdkHeader;
  s += "entry:\n  call void @__quantum__rt__initialize(i8* null)\n  br label %block_0\n";
  for (long i = 0; i < blocks; ++i) {
    std::string n = std::to_string(i), next = std::to_string(i + 1);
    long q = i % 100;
    s += "block_" + n + ":\n  call void @__quantum__qis__mresetz__body(" + qdk_qubit(q) + ", " +
         qdk_result(i) + ")\n";
    s += "  %r_" + n + " = call i1 @__quantum__qis__read_result__body(" + qdk_result(i) + ")\n";
    s += "  br i1 %r_" + n + ", label %then_" + n + ", label %block_" + next + "\n";
    s += "then_" + n + ":\n  call void @__quantum__qis__x__body(" + qdk_qubit(q) + ")\n";
    s += "  br label %block_" + next + "\n";
  }
  s += "block_" + std::to_string(blocks) + ":\n  ret void\n";
  s += kQdkDeclarations;
  return s;
}

// `loops` repeat-until-success loops, in sequence or nested.
std::string loops(long count, bool nested) {
  std::string s = "define void @main() #0 {\nentry:\n  br label %h0\n";
  auto header = [&](long i) {
    std::string n = std::to_string(i);
    s += "h" + n + ":\n  call void @__quantum__qis__mz__body(" + qubit(i % 16) + ", " + qubit(i % 1000) + ")\n";
    s += "  %r" + n + " = call i1 @__quantum__rt__read_result(" + qubit(i % 1000) + ")\n";
    s += "  br i1 %r" + n + ", label %body" + n + ", label %exit" + n + "\n";
  };
  if (!nested) {
    for (long i = 0; i < count; ++i) {
      std::string n = std::to_string(i);
      header(i);
      s += "body" + n + ":\n  call void @__quantum__qis__x__body(" + qubit(i % 16) + ")\n  br label %h" + n + "\n";
      s += "exit" + n + ":\n  br label %h" + std::to_string(i + 1) + "\n";
    }
    s += "h" + std::to_string(count) + ":\n  ret void\n}\n";
  } else {
    // h_i -> body_i (which enters h_{i+1}) or exit_i; exit_{i+1} returns to h_i.
    for (long i = 0; i < count; ++i) {
      std::string n = std::to_string(i);
      header(i);
      s += "body" + n + ":\n  call void @__quantum__qis__x__body(" + qubit(i % 16) + ")\n";
      s += "  br label %" + (i + 1 < count ? "h" + std::to_string(i + 1) : std::string("inner")) + "\n";
    }
    s += "inner:\n  br label %h" + std::to_string(count - 1) + "\n";
    for (long i = count - 1; i >= 0; --i) {
      std::string n = std::to_string(i);
      s += "exit" + n + ":\n";
      s += i > 0 ? "  br label %h" + std::to_string(i - 1) + "\n" : "  ret void\n";
    }
    s += "}\n";
  }
  s += kDeclarations;
  return s;
}

// Programs for the extended mode, in the style of the QDK's Adaptive profile output (opaque
// pointers, @ENTRYPOINT__main returning i64, block_N labels and %var_N values, every gate
// wrapped in an internal function) and of Q# Adaptive_RIF programs (measured values combined
// with integer instructions and phis): the same programs as tools/bench/qir_programs.py writes,
// byte for byte (tools/bench/test_programs.py compares them).

// The gates of the direct and inlined programs, in turn: the wrapper's name, the intrinsic it
// calls, whether it takes an angle, and how many qubits.
struct Gate {
  const char* wrapper;
  const char* intrinsic;
  bool angle;
  int qubits;
};
const Gate kGates[] = {{"H", "h", false, 1}, {"Rx", "rx", true, 1}, {"CNOT", "cx", false, 2},
                       {"Rz", "rz", true, 1}, {"Rzz", "rzz", true, 2}};
constexpr long kLoopBound = 10;  // iterations of each loop of the loop program

const char* kMeasurementDeclarations =
    "declare void @__quantum__qis__x__body(ptr)\n\n"
    "declare void @__quantum__qis__mresetz__body(ptr, ptr) #1\n\n"
    "declare zeroext i1 @__quantum__rt__read_result(ptr)\n";

std::string pointer(long i) { return "ptr inttoptr (i64 " + std::to_string(i) + " to ptr)"; }

std::string extended_start() {
  return "define i64 @ENTRYPOINT__main() #0 {\nblock_0:\n  call void @__quantum__rt__initialize(ptr null)\n";
}

// Ends the entry point that `s` holds and appends the module's declarations and attributes.
void extended_end(std::string& s, std::string_view declarations, long results) {
  s += "  ret i64 0\n}\n\ndeclare void @__quantum__rt__initialize(ptr)\n\n";
  s += declarations;
  s += "attributes #0 = { \"entry_point\" \"output_labeling_schema\" \"qir_profiles\"=\"adaptive_profile\" "
       "\"required_num_qubits\"=\"100\" \"required_num_results\"=\"" + std::to_string(results) + "\" }\n";
  s += "attributes #1 = { \"irreversible\" }\n\n"
       "!llvm.module.flags = !{!0, !1, !2, !3, !4, !5, !6, !7, !8}\n\n"
       "!0 = !{i32 1, !\"qir_major_version\", i32 2}\n"
       "!1 = !{i32 7, !\"qir_minor_version\", i32 1}\n"
       "!2 = !{i32 1, !\"dynamic_qubit_management\", i1 false}\n"
       "!3 = !{i32 1, !\"dynamic_result_management\", i1 false}\n"
       "!4 = !{i32 5, !\"int_computations\", !{!\"i64\"}}\n"
       "!5 = !{i32 5, !\"float_computations\", !{!\"double\"}}\n"
       "!6 = !{i32 7, !\"backwards_branching\", i2 3}\n"
       "!7 = !{i32 1, !\"ir_functions\", i1 true}\n"
       "!8 = !{i32 1, !\"writable_results\", i1 true}\n";
}

// `calls` gate calls over 100 qubits, cycling through kGates: calls to the intrinsics, or
// (`inlined`) to the internal wrappers that call them, as the QDK writes every gate.
std::string gate_calls(long calls, bool inlined) {
  std::string s = extended_start();
  for (long i = 0; i < calls; ++i) {
    const Gate& gate = kGates[i % 5];
    long a = i % 100;
    s += "  call void @";
    s += inlined ? std::string(gate.wrapper) : std::string("__quantum__qis__") + gate.intrinsic + "__body";
    s += "(";
    if (gate.angle) s += std::string("double ") + kAngles[i % 4] + ", ";
    s += pointer(a);
    if (gate.qubits == 2) {
      long b = (a * 7 + 1) % 100;
      s += ", " + pointer(b != a ? b : (a + 1) % 100);
    }
    s += ")\n";
  }
  std::string declarations;
  for (int block = 1; block <= 5; ++block) {
    const Gate& gate = kGates[block - 1];
    std::vector<std::string> types;
    if (gate.angle) types.push_back("double");
    for (int k = 0; k < gate.qubits; ++k) types.push_back("ptr");
    std::string intrinsic = std::string("__quantum__qis__") + gate.intrinsic + "__body";
    std::string type_list, parameters;
    for (std::size_t k = 0; k < types.size(); ++k) {
      std::string separator = k == 0 ? "" : ", ";
      type_list += separator + types[k];
      parameters += separator + types[k] + " %var_" + std::to_string(block * 10 + k);
    }
    if (inlined)
      declarations += "define internal void @" + std::string(gate.wrapper) + "(" + parameters + ") {\nblock_" +
                      std::to_string(block) + ":\n  call void @" + intrinsic + "(" + parameters +
                      ")\n  ret void\n}\n\n";
    declarations += "declare void @" + intrinsic + "(" + type_list + ")\n\n";
  }
  extended_end(s, declarations, 0);
  return s;
}

// `count` blocks that measure two qubits, pack both results into an integer (zext, shl, or),
// compare it (icmp eq or ult, in turn) and branch to an x correction.
std::string packed_branches(long count) {
  std::string s = extended_start();
  for (long i = 0; i < count; ++i) {
    auto var = [&](long k) { return "%var_" + std::to_string(10 * i + 1 + k); };
    auto block = [&](long k) { return "block_" + std::to_string(2 * i + k); };
    std::string qa = pointer((2 * i) % 100), qb = pointer((2 * i + 1) % 100);
    std::string ra = pointer(2 * i), rb = pointer(2 * i + 1);
    s += "  call void @__quantum__qis__mresetz__body(" + qa + ", " + ra + ")\n";
    s += "  call void @__quantum__qis__mresetz__body(" + qb + ", " + rb + ")\n";
    s += "  " + var(0) + " = call zeroext i1 @__quantum__rt__read_result(" + ra + ")\n";
    s += "  " + var(1) + " = call zeroext i1 @__quantum__rt__read_result(" + rb + ")\n";
    s += "  " + var(2) + " = zext i1 " + var(0) + " to i64\n";
    s += "  " + var(3) + " = zext i1 " + var(1) + " to i64\n";
    s += "  " + var(4) + " = shl i64 " + var(3) + ", 1\n";
    s += "  " + var(5) + " = or i64 " + var(2) + ", " + var(4) + "\n";
    s += "  " + var(6) + " = icmp " + (i % 2 == 0 ? "eq i64 " : "ult i64 ") + var(5) + (i % 2 == 0 ? ", 3\n" : ", 2\n");
    s += "  br i1 " + var(6) + ", label %" + block(1) + ", label %" + block(2) + "\n";
    s += block(1) + ":\n  call void @__quantum__qis__x__body(" + qa + ")\n  br label %" + block(2) + "\n";
    s += block(2) + ":\n";
  }
  extended_end(s, kMeasurementDeclarations, 2 * count);
  return s;
}

// `iterations` / kLoopBound loops in sequence, each with an i64 counter (a phi) up to kLoopBound
// and an accumulator (a phi) of the ones measured on its qubit; after the loop an x corrects
// the qubit when more than half of the measurements gave one.
std::string counted_loops(long iterations) {
  std::string s = extended_start();
  for (long j = 0; j < iterations / kLoopBound; ++j) {
    auto var = [&](long k) { return "%var_" + std::to_string(10 * j + 1 + k); };
    // The loop's blocks: 0 the one before it, 1 the header, 2 the body, 3 the exit, 4 the
    // correction, 5 the one after it.
    auto block = [&](long k) { return "block_" + std::to_string(5 * j + k); };
    std::string q = pointer(j % 100), r = pointer(j);
    s += "  br label %" + block(1) + "\n" + block(1) + ":\n";
    s += "  " + var(0) + " = phi i64 [0, %" + block(0) + "], [" + var(6) + ", %" + block(2) + "]\n";
    s += "  " + var(1) + " = phi i64 [0, %" + block(0) + "], [" + var(5) + ", %" + block(2) + "]\n";
    s += "  " + var(2) + " = icmp slt i64 " + var(0) + ", " + std::to_string(kLoopBound) + "\n";
    s += "  br i1 " + var(2) + ", label %" + block(2) + ", label %" + block(3) + "\n";
    s += block(2) + ":\n  call void @__quantum__qis__h__body(" + q + ")\n";
    s += "  call void @__quantum__qis__mresetz__body(" + q + ", " + r + ")\n";
    s += "  " + var(3) + " = call zeroext i1 @__quantum__rt__read_result(" + r + ")\n";
    s += "  " + var(4) + " = zext i1 " + var(3) + " to i64\n";
    s += "  " + var(5) + " = add i64 " + var(1) + ", " + var(4) + "\n";
    s += "  " + var(6) + " = add i64 " + var(0) + ", 1\n";
    s += "  br label %" + block(1) + "\n";
    s += block(3) + ":\n  " + var(7) + " = icmp ugt i64 " + var(1) + ", " + std::to_string(kLoopBound / 2) + "\n";
    s += "  br i1 " + var(7) + ", label %" + block(4) + ", label %" + block(5) + "\n";
    s += block(4) + ":\n  call void @__quantum__qis__x__body(" + q + ")\n  br label %" + block(5) + "\n";
    s += block(5) + ":\n";
  }
  extended_end(s, std::string("declare void @__quantum__qis__h__body(ptr)\n\n") + kMeasurementDeclarations,
               iterations / kLoopBound);
  return s;
}

double best_seconds(const std::function<void()>& run, int repeats) {
  double best = 1e300;
  for (int k = 0; k < repeats; ++k) {
    auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

// A field of /proc/self/status, in MB.
double status_megabytes(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string key;
  while (in >> key) {
    if (key == field) {
      double kb;
      in >> kb;
      return kb / 1024.0;
    }
    in.ignore(1 << 20, '\n');
  }
  return -1;
}

// Peak memory growth of one translation, in a forked child: freed heap is given back to the
// system and the peak-RSS mark reset, so every page the translation touches is counted.
double peak_megabytes(const std::string& text, const brintavel::TranslateOptions& options = {}) {
  int pipefd[2];
  if (pipe(pipefd) != 0) return -1;
  pid_t pid = fork();
  if (pid == 0) {
    close(pipefd[0]);
    malloc_trim(0);
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    double before = status_megabytes("VmRSS:");
    auto result = brintavel::translate(text, options);
    double grown = result ? status_megabytes("VmHWM:") - before : -1;
    ssize_t ignored = write(pipefd[1], &grown, sizeof grown);
    (void)ignored;
    _exit(0);
  }
  close(pipefd[1]);
  double grown = -1;
  ssize_t got = read(pipefd[0], &grown, sizeof grown);
  close(pipefd[0]);
  waitpid(pid, nullptr, 0);
  return got == sizeof grown ? grown : -1;
}

void report_parse(long calls) {
  std::string text = straight_line(calls);
  double mb = text.size() / 1e6;
  double s = best_seconds([&] { auto m = brintavel::ir::parse_module(text); }, calls >= 1000000 ? 3 : 7);
  std::printf("| parse only, %ld calls | %.1f MB | %.1f ms | %.0f MB/s | | |\n", calls, mb, s * 1e3, mb / s);
}

// Whether llvm-as reads `ptr` only when asked (-opaque-pointers): before LLVM 15.
bool llvm_as_needs_opaque_flag() {
  static const bool needs = [] {
    FILE* pipe = popen("llvm-as --version 2>/dev/null", "r");
    if (pipe == nullptr) return false;
    std::string version;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe) != nullptr) version += buf;
    pclose(pipe);
    auto at = version.find("version ");
    return at != std::string::npos && std::atoi(version.c_str() + at + 8) < 15;
  }();
  return needs;
}

// llvm-as assembling the same text, as a whole process (once).
std::string llvm_as_column(const std::string& text, bool opaque_pointers = false) {
  char path[] = "/tmp/brintavel-bench-XXXXXX.ll";
  int fd = mkstemps(path, 3);
  if (fd < 0) return "n/a";
  ssize_t written = write(fd, text.data(), text.size());
  close(fd);
  std::string column = "n/a";
  if (written == static_cast<ssize_t>(text.size())) {
    std::string command = std::string("llvm-as ") +
                          (opaque_pointers && llvm_as_needs_opaque_flag() ? "-opaque-pointers " : "") +
                          "-o /dev/null " + path + " 2>/dev/null";
    auto start = Clock::now();
    int status = std::system(command.c_str());
    double s = std::chrono::duration<double>(Clock::now() - start).count();
    if (status == 0) {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.2f s (%.0f MB/s)", s, text.size() / 1e6 / s);
      column = buf;
    }
  }
  unlink(path);
  return column;
}

// One row of the table; returns the best time.
double report_translate(const char* what, const std::string& text, bool with_llvm_as) {
  double mb = text.size() / 1e6;
  auto check = brintavel::translate_qir(text);
  if (!check) {
    std::printf("| %s | FAILED: %s |\n", what, brintavel::describe(check.error()).c_str());
    return 0;
  }
  double s = best_seconds([&] { auto r = brintavel::translate_qir(text); }, text.size() > 20'000'000 ? 3 : 7);
  double peak = peak_megabytes(text);
  double limit = (2.0 * text.size() + check->size()) / 1e6;
  std::printf("| %s | %.1f MB | %.1f ms | %.0f MB/s | +%.0f MB over the input (%.2f of 2 x input + output = %.0f MB) | %s |\n",
              what, mb, s * 1e3, mb / s, peak, (peak + mb) / limit, limit,
              with_llvm_as ? llvm_as_column(text).c_str() : "");
  return s;
}

// Two inputs of about 50 MB, one after the other and on two threads at once.
void report_threads() {
  std::string first = straight_line(430'000), second = straight_line(430'001);
  double sequential = best_seconds([&] {
    auto a = brintavel::translate_qir(first);
    auto b = brintavel::translate_qir(second);
  }, 3);
  double parallel = best_seconds([&] {
    std::thread other([&] { auto b = brintavel::translate_qir(second); });
    auto a = brintavel::translate_qir(first);
    other.join();
  }, 3);
  std::printf("\ntwo %.0f MB inputs: one after the other %.2f s, on two threads %.2f s (%.2f of the sequential time)\n",
              first.size() / 1e6, sequential, parallel, parallel / sequential);
}

// The best of several runs of a translation in seconds, or "refused: " and the first words of
// the message when the translator refuses the input.
using Timing = std::variant<double, std::string>;

Timing time_translation(const std::string& text, const brintavel::TranslateOptions& options) {
  auto start = Clock::now();
  auto result = brintavel::translate(text, options);
  double first = std::chrono::duration<double>(Clock::now() - start).count();
  if (!result) {
    std::istringstream words(brintavel::describe(result.error()));
    std::string word, column = "refused:";
    for (int k = 0; k < 8 && words >> word; ++k) column += " " + word;
    if (words >> word) column += " ...";
    return column;
  }
  // Fewer runs of the long ones, so that the whole table takes minutes.
  int runs = first > 2 ? 2 : first > 0.2 ? 4 : 6;
  return std::min(first, best_seconds([&] { auto r = brintavel::translate(text, options); }, runs));
}

std::string time_column(const Timing& t) {
  if (const auto* refused = std::get_if<std::string>(&t)) return *refused;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f ms", std::get<double>(t) * 1e3);
  return buf;
}

std::string power(long n) {
  int exponent = 0;
  long p = 1;
  while (p < n) p *= 10, ++exponent;
  return p == n ? "10^" + std::to_string(exponent) : std::to_string(n);
}

// The extended table's programs: name, the size unit, the sizes, the generator, and the gate
// calls written in a program of a given size.
struct ExtendedProgram {
  const char* name;
  const char* unit;
  std::vector<long> sizes;
  std::function<std::string(long)> generate;
  std::function<long(long)> gates;
};

std::vector<ExtendedProgram> extended_programs() {
  return {
      {"direct gate calls", "calls", {10'000, 100'000, 1'000'000}, [](long n) { return gate_calls(n, false); },
       [](long n) { return n; }},
      {"calls through internal functions", "calls", {10'000, 100'000, 1'000'000},
       [](long n) { return gate_calls(n, true); }, [](long n) { return n; }},
      // 10^6 blocks would be about 800 MB: these stop at 10^5 (79 MB).
      {"packed-integer branches", "blocks", {1'000, 10'000, 100'000}, packed_branches,
       [](long n) { return 3 * n; }},
      {"counted loops", "iterations", {10'000, 100'000, 1'000'000}, counted_loops,
       [](long n) { return 3 * (n / kLoopBound); }},
  };
}

// The extended mode's table (see bench.py, which prints the same for the Python module), the
// ratios of the times at consecutive sizes, and each input's throughput against the default
// mode's on a direct program of as many gate calls.
void report_extended(long scale) {
  brintavel::TranslateOptions extended, standard;
  extended.extended = true;
  std::printf("extended mode\n\n| input | size | time | throughput | peak memory | llvm-as | default mode |\n"
              "|---|---|---|---|---|---|---|\n");
  struct Row {
    const char* name;
    const char* unit;
    long n, gates;
    double bytes;
    Timing time;
  };
  std::vector<Row> rows;
  std::map<long, std::pair<double, double>> direct;  // gate calls -> default-mode time, bytes
  auto programs = extended_programs();
  for (const auto& program : programs) {
    for (long size : program.sizes) {
      long n = size / scale;
      std::string text = program.generate(n);
      double mb = text.size() / 1e6;
      Timing time = time_translation(text, extended), standard_time = time_translation(text, standard);
      std::string throughput, memory;
      if (const double* s = std::get_if<double>(&time)) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "%.0f MB/s", mb / *s);
        throughput = buf;
        auto out = brintavel::translate(text, extended);
        double peak = peak_megabytes(text, extended);
        double limit = (2.0 * text.size() + out->program.size()) / 1e6;
        std::snprintf(buf, sizeof buf, "+%.1f MB over the input (%.2f of 2 x input + output = %.1f MB)", peak,
                      (peak + mb) / limit, limit);
        memory = buf;
      }
      std::printf("| %s, %s %s | %.1f MB | %s | %s | %s | %s | %s |\n", program.name, power(n).c_str(),
                  program.unit, mb, time_column(time).c_str(), throughput.c_str(), memory.c_str(),
                  llvm_as_column(text, true).c_str(), time_column(standard_time).c_str());
      std::fflush(stdout);
      rows.push_back({program.name, program.unit, n, program.gates(n), static_cast<double>(text.size()), time});
      if (&program == &programs.front() && std::holds_alternative<double>(standard_time))
        direct[n] = {std::get<double>(standard_time), static_cast<double>(text.size())};
    }
  }

  std::printf("\n");
  for (const auto& program : programs) {
    std::string line = std::string(program.name) + ":";
    for (std::size_t k = rows.size(); k-- > 1;) {
      const Row &small = rows[k - 1], &large = rows[k];
      std::string_view name = program.name;
      if (large.name != name || small.name != name) continue;
      std::string value = "refused";
      if (std::holds_alternative<double>(small.time) && std::holds_alternative<double>(large.time)) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.1f", std::get<double>(large.time) / std::get<double>(small.time));
        value = buf;
      }
      line += (line.back() == ':' ? " t(" : ", t(") + power(large.n) + ") / t(" + power(small.n) + ") = " + value;
    }
    std::printf("%s\n", line.c_str());
  }

  std::printf("\n| input | gate calls | default mode, direct program of as many calls | throughput against it "
              "| gate calls per second against it |\n|---|---|---|---|---|\n");
  for (const Row& row : rows) {
    if (!direct.contains(row.gates)) {
      std::string text = gate_calls(row.gates, false);
      Timing time = time_translation(text, standard);
      if (!std::holds_alternative<double>(time)) {
        std::printf("the direct program of %ld calls is %s\n", row.gates, time_column(time).c_str());
        return;
      }
      direct[row.gates] = {std::get<double>(time), static_cast<double>(text.size())};
    }
    auto [seconds, bytes] = direct[row.gates];
    std::string against = "refused", rate = "refused";
    if (const double* s = std::get_if<double>(&row.time)) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.2f", (row.bytes / *s) / (bytes / seconds));
      against = buf;
      std::snprintf(buf, sizeof buf, "%.2f", seconds / *s);
      rate = buf;
    }
    std::printf("| %s, %s %s | %ld | %.1f ms (%.0f MB/s) | %s | %s |\n", row.name, power(row.n).c_str(), row.unit,
                row.gates, seconds * 1e3, bytes / 1e6 / seconds, against.c_str(), rate.c_str());
    std::fflush(stdout);
  }

  // The Bell example, per call (median of many).
  std::ifstream file(BRINTAVEL_SOURCE_DIR "/examples/bell.ll");
  std::string bell((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (const auto* options : {&standard, &extended}) {
    std::vector<double> times;
    for (long k = 0; k < 5000 / scale; ++k) {
      auto start = Clock::now();
      auto r = brintavel::translate(bell, *options);
      times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    std::printf("%sexamples/bell.ll through brintavel::translate (extended = %s): %.1f µs per call "
                "(median of %zu)\n",
                options == &standard ? "\n" : "", options->extended ? "true" : "false", times[times.size() / 2],
                times.size());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string_view only = argc > 1 ? argv[1] : "";
  if (only == "generate" && argc == 4) {
    std::string_view kind = argv[2];
    long n = std::atol(argv[3]);
    std::string text = kind == "direct"  ? gate_calls(n, false)
                       : kind == "inlined" ? gate_calls(n, true)
                       : kind == "packed"  ? packed_branches(n)
                       : kind == "loops"   ? counted_loops(n)
                       : kind == "straight-line" ? straight_line(n)
                       : kind == "ifs"     ? conditioned_blocks(n)
                                           : std::string();
    std::fwrite(text.data(), 1, text.size(), stdout);
    return text.empty() ? 2 : 0;
  }
  if (only == "extended") {
    report_extended(argc > 2 && std::string_view(argv[2]) == "--quick" ? 10 : 1);
    return 0;
  }
  std::printf("| input | size | time | throughput | peak memory | llvm-as |\n|---|---|---|---|---|---|\n");
  if (only.empty() || only == "parse")
    for (long n : {10'000L, 100'000L, 1'000'000L}) report_parse(n);
  if (only.empty() || only == "translate") {
    report_translate("straight-line, 10^4 calls", straight_line(10'000), true);
    double t5 = report_translate("straight-line, 10^5 calls", straight_line(100'000), true);
    double t6 = report_translate("straight-line, 10^6 calls", straight_line(1'000'000), true);
    std::printf("\nt(10^6 calls) / t(10^5 calls) = %.1f\n\n", t6 / t5);
  }
  if (only.empty() || only == "control") {
    for (long n : {1'000L, 10'000L, 100'000L}) {
      std::string what = "measurement-conditioned ifs, " + std::to_string(n);
      report_translate(what.c_str(), conditioned_blocks(n), n == 10'000);
    }
    report_translate("sequential loops, 1000", loops(1000, false), false);
    report_translate("nested loops, 1000", loops(1000, true), false);
  }
  if (only.empty() || only == "threads") report_threads();
  if (only.empty()) {
    std::printf("\n");
    report_extended(1);
  }
  return 0;
}
