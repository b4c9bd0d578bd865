#pragma once
// Every call the processor makes to the spooler, and the device context of
// a separator page, go through here: winspool and GDI by default, a
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

struct SpoolerSeam {
  HANDLE (*openPrinter)(const char* name);  // null when it cannot be opened
  void (*closePrinter)(HANDLE printer);
  bool (*getJob)(HANDLE printer, DWORD jobId, JobFacts& facts);
  DWORD (*startDoc)(HANDLE printer, const DOC_INFO_2A& document);  // the job id, 0 on failure
  bool (*read)(HANDLE printer, void* buffer, DWORD size, DWORD& read);
  bool (*write)(HANDLE printer, const void* data, DWORD size, DWORD& written);
  bool (*endDoc)(HANDLE printer);
  // A device context of `printer` on the first page of a document named
  // `document`; null when the context, the document or the page cannot be
  // had (nothing is left open then).
  HDC (*startPage)(const char* printer, const char* document);
  // Ends the page and its document, or aborts them when nothing was drawn,
  // and releases the context.
  void (*endPage)(HDC dc, bool drawn);
  // Waits `ms`, or less when `cancel` is signalled; false when it was.
  bool (*wait)(HANDLE cancel, DWORD ms);
};

SpoolerSeam WinspoolSeam();
void SetSpoolerSeam(const SpoolerSeam& seam);
const SpoolerSeam& Spooler();

// A printer handle of the seam's, closed through it with the owner.
class SpoolerPrinter {
 public:
  SpoolerPrinter() = default;
  explicit SpoolerPrinter(HANDLE handle) : handle_(handle) {}
  ~SpoolerPrinter() {
    if (handle_ != nullptr) Spooler().closePrinter(handle_);
  }
  SpoolerPrinter(SpoolerPrinter&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  SpoolerPrinter& operator=(SpoolerPrinter&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  SpoolerPrinter(const SpoolerPrinter&) = delete;
  SpoolerPrinter& operator=(const SpoolerPrinter&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace printproc
