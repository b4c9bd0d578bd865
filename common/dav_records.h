#pragma once
// The records that cross the alarm-mail deliverables: the agent hands a
// DavAgentContext to a model plug-in, the plug-in a DavNoticeRequest to the
// mail sender, and the status manager fills DavPrinterStatus. The caller
// allocates every record and the callee never frees one. Texts are
// zero-terminated Shift_JIS within their widths.

#include <cstddef>
#include <cstdint>

struct DavPrinterStatus {
  std::uint32_t words[3];  // word 1: detail, word 2: state
};
static_assert(sizeof(DavPrinterStatus) == 12);

inline constexpr std::size_t kDavPrinterNameSize = 260;

struct DavAgentContext {
  char printerName[kDavPrinterNameSize];
  void* statusManager;      // the loaded status manager library
  void* openManager;        // its OpenManagerExA
  void* closeManager;       // its CloseManager
  void* getPrinterStatus;   // its GetPrinterStatusA
  void* managerHandle;      // opened by the plug-in for this printer, or null
  DavPrinterStatus* status;
};
// The 64-bit layout: the name, padding to the pointers, six pointers; the
// 32-bit one: the name and six pointers.
static_assert(sizeof(void*) != 8 || sizeof(DavAgentContext) == 312);
static_assert(sizeof(void*) != 4 || sizeof(DavAgentContext) == 284);

struct DavNoticeRequest {
  char to[100];       // addresses separated by commas
  char cc[100];       // may be empty
  char message[200];  // the administrator's text; may be empty
  char summary[80];   // short name of the notice
  char alarm[80];     // alarm code and name; may be empty
};
static_assert(sizeof(DavNoticeRequest) == 560);

// Notice kinds callers pass to DAVSendMail (the mail sender ignores it).
inline constexpr int kDavNoticeTest = 0;
inline constexpr int kDavNoticeToner = 1;
inline constexpr int kDavNoticeMaintenance = 0x10;
