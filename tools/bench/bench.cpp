// Throughput and memory of the translator on generated QIR programs.
//
//   brintavel-bench            all cases
//   brintavel-bench parse      only the parser
//   brintavel-bench translate  only whole translations of straight-line circuits
//   brintavel-bench control    only structuring-heavy programs
//
// Every case is timed as the best of several runs; peak memory is measured in a forked
// child that translates once, as the growth of its maximum resident set over the input.
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

// A straight-line circuit of `calls` gate calls over 64 qubits, the way producers write it.
std::string straight_line(long calls) {
  std::string s = "define void @main() #0 {\nentry:\n  call void @__quantum__rt__initialize(ptr null)\n";
  for (long i = 0; i < calls; ++i) {
    long a = i % 64, b = (i * 7 + 1) % 64;
    if (b == a) b = (a + 1) % 64;
    switch (i % 4) {
      case 0: s += "  call void @__quantum__qis__h__body(" + qubit(a) + ")\n"; break;
      case 1: s += "  call void @__quantum__qis__cnot__body(" + qubit(a) + ", " + qubit(b) + ")\n"; break;
      case 2: s += "  call void @__quantum__qis__rz__body(double 0x3FE0C152382D7365, " + qubit(a) + ")\n"; break;
      default: s += "  call void @__quantum__qis__mz__body(" + qubit(a) + ", " + qubit(i % 1000) + ")\n"; break;
    }
  }
  s += "  ret void\n}\n";
  s += kDeclarations;
  return s;
}

// `blocks` measurement-conditioned corrections in sequence (if-then triangles).
std::string conditioned_blocks(long blocks) {
  std::string s = "define void @main() #0 {\nentry:\n  br label %b0\n";
  for (long i = 0; i < blocks; ++i) {
    std::string n = std::to_string(i);
    s += "b" + n + ":\n  call void @__quantum__qis__mz__body(" + qubit(i % 16) + ", " + qubit(i % 1000) + ")\n";
    s += "  %r" + n + " = call i1 @__quantum__rt__read_result(" + qubit(i % 1000) + ")\n";
    s += "  br i1 %r" + n + ", label %fix" + n + ", label %b" + std::to_string(i + 1) + "\n";
    s += "fix" + n + ":\n  call void @__quantum__qis__x__body(" + qubit(i % 16) + ")\n";
    s += "  br label %b" + std::to_string(i + 1) + "\n";
  }
  s += "b" + std::to_string(blocks) + ":\n  ret void\n}\n";
  s += kDeclarations;
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
  std::printf("parse      %8ld calls  %7.1f MB  %8.3f s  %7.1f MB/s\n", calls, mb, s, mb / s);
}

void report_translate(const char* what, long size, const std::string& text) {
  double mb = text.size() / 1e6;
  auto check = brintavel::translate_qir(text);
  if (!check) {
    std::printf("%-10s %8ld FAILED: %s\n", what, size, brintavel::describe(check.error()).c_str());
    return;
  }
  double s = best_seconds([&] { auto r = brintavel::translate_qir(text); }, text.size() > 20'000'000 ? 3 : 5);
  double peak = peak_megabytes(text);
  std::printf("%-10s %8ld units  %7.1f MB  %8.3f s  %7.1f MB/s  peak +%.0f MB (%.1fx input)\n", what,
              size, mb, s, mb / s, peak, peak / mb);
}

}  // namespace

int main(int argc, char** argv) {
  std::string_view only = argc > 1 ? argv[1] : "";
  if (only.empty() || only == "parse")
    for (long n : {10'000L, 100'000L, 1'000'000L}) report_parse(n);
  if (only.empty() || only == "translate")
    for (long n : {10'000L, 100'000L, 1'000'000L}) report_translate("translate", n, straight_line(n));
  if (only.empty() || only == "control") {
    for (long n : {1'000L, 10'000L, 100'000L}) report_translate("if-then", n, conditioned_blocks(n));
    report_translate("seq-loops", 1000, loops(1000, false));
    report_translate("nest-loops", 1000, loops(1000, true));
  }
  return 0;
}
