#pragma once
// The benchmark tool's window, told when a job starts (0x721) and ends
// (0x722); the job's id goes with each message.

#include <windows.h>

namespace printproc {

inline constexpr UINT kBenchJobStarted = 0x721;
inline constexpr UINT kBenchJobEnded = 0x722;

class BenchWindow {
 public:
  // The window of class "BNCH32PRT" titled "PRTWIN", if one is open.
  static BenchWindow Find();

  explicit operator bool() const { return window_ != nullptr; }
  // A tool that has stopped answering does not hold up the job.
  void Tell(UINT message, DWORD jobId) const;

 private:
  HWND window_ = nullptr;
};

}  // namespace printproc
