// Throughput and memory of the translator on generated QIR programs.
//
//   brintavel-bench            all cases
//   brintavel-bench parse      only the parser
//   brintavel-bench translate  only whole translations of straight-line circuits
//   brintavel-bench control    only structuring-heavy programs
//   brintavel-bench threads    two translations at once against one after the other
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
#include <string>
#include <string_view>
#include <thread>

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
double peak_megabytes(const std::string& text) {
  int pipefd[2];
  if (pipe(pipefd) != 0) return -1;
  pid_t pid = fork();
  if (pid == 0) {
    close(pipefd[0]);
    malloc_trim(0);
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    double before = status_megabytes("VmRSS:");
    auto result = brintavel::translate_qir(text);
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

// llvm-as assembling the same text, as a whole process (once).
std::string llvm_as_column(const std::string& text) {
  char path[] = "/tmp/brintavel-bench-XXXXXX.ll";
  int fd = mkstemps(path, 3);
  if (fd < 0) return "n/a";
  ssize_t written = write(fd, text.data(), text.size());
  close(fd);
  std::string column = "n/a";
  if (written == static_cast<ssize_t>(text.size())) {
    std::string command = std::string("llvm-as -o /dev/null ") + path + " 2>/dev/null";
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

}  // namespace

int main(int argc, char** argv) {
  std::string_view only = argc > 1 ? argv[1] : "";
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
  return 0;
}
