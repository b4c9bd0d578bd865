#include "printproc/bench_window.h"

namespace printproc {
namespace {

constexpr char kBenchClass[] = "BNCH32PRT";
constexpr char kBenchTitle[] = "PRTWIN";
constexpr UINT kAnswerWithinMs = 5000;

}  // namespace

BenchWindow BenchWindow::Find() {
  BenchWindow bench;
  bench.window_ = FindWindowA(kBenchClass, kBenchTitle);
  return bench;
}

void BenchWindow::Tell(UINT message, DWORD jobId) const {
  if (window_ == nullptr) return;
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window_, message, jobId, 0, SMTO_ABORTIFHUNG, kAnswerWithinMs, &answer);
}

}  // namespace printproc
