#pragma once
// Every call the processor makes to the spooler, and the device context of
// a separator page, go through here: winspool and GDI for the DLL, a
// recording double in the tests. The waits are here too, so tests need not
// sit through ten tries a second apart.

#include <windows.h>
#include <winspool.h>

#include <optional>
#include <string>
#include <utility>

namespace printproc {

// What GetJob level 2 tells about the job being printed.
struct JobFacts {
  std::string user;
  std::optional<SYSTEMTIME> submitted;  // UTC
};

struct SpoolerCalls {
  void* context;
  HANDLE (*openPrinter)(void* context, const char* name);  // null when it cannot be opened
  void (*closePrinter)(void* context, HANDLE printer);
  bool (*getJob)(void* context, HANDLE printer, DWORD jobId, JobFacts& facts);
  // The job id, 0 on failure.
  DWORD (*startDoc)(void* context, HANDLE printer, const DOC_INFO_2A& document);
  bool (*read)(void* context, HANDLE printer, void* buffer, DWORD size, DWORD& read);
  bool (*write)(void* context, HANDLE printer, const void* data, DWORD size, DWORD& written);
  bool (*endDoc)(void* context, HANDLE printer);
  // A device context of `printer` on the first page of a document named
  // `document`; null when the context, the document or the page cannot be
  // had (nothing is left open then).
  HDC (*startPage)(void* context, const char* printer, const char* document);
  // Ends the page and its document, or aborts them when nothing was drawn,
  // and releases the context.
  void (*endPage)(void* context, HDC dc, bool drawn);
  // Waits `ms`, or less when `cancel` is signalled; false when it was.
  bool (*wait)(void* context, HANDLE cancel, DWORD ms);
};

SpoolerCalls WinspoolCalls();

// A printer handle of the seam's, closed through it with the owner.
class SpoolerPrinter {
 public:
  SpoolerPrinter() = default;
  SpoolerPrinter(const SpoolerCalls& spooler, HANDLE handle) : spooler_(&spooler), handle_(handle) {}
  ~SpoolerPrinter() { reset(); }
  SpoolerPrinter(SpoolerPrinter&& other) noexcept
      : spooler_(other.spooler_), handle_(std::exchange(other.handle_, nullptr)) {}
  SpoolerPrinter& operator=(SpoolerPrinter&& other) noexcept {
    std::swap(spooler_, other.spooler_);
    std::swap(handle_, other.handle_);
    return *this;
  }
  SpoolerPrinter(const SpoolerPrinter&) = delete;
  SpoolerPrinter& operator=(const SpoolerPrinter&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset() {
    if (handle_ != nullptr) spooler_->closePrinter(spooler_->context, std::exchange(handle_, nullptr));
  }

 private:
  const SpoolerCalls* spooler_ = nullptr;
  HANDLE handle_ = nullptr;
};

}  // namespace printproc
