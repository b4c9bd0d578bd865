#pragma once
// When the printer's state calls for a look at all, when the toner counts
// as out, and when regular maintenance falls due.

#include <cstdint>

#include "common/dav_records.h"
#include "common/status_manager_api.h"

namespace rmmmodel {

inline constexpr std::uint32_t kStateWatchedPair = 0x1000 | 0x20000;
inline constexpr std::uint32_t kStateTonerOutAny = kStateTonerOut | 0x4000 | 0x20000;
// States and details in which the page count may be off.
inline constexpr std::uint32_t kStatePageCountDoubtful = 0x7FFF32C;
inline constexpr std::uint32_t kDetailPageCountDoubtful = 0x180;
inline constexpr std::uint32_t kMaintenancePageCount = 150000;

constexpr std::uint32_t StateWord(const DavPrinterStatus& status) { return status.words[2]; }
constexpr std::uint32_t DetailWord(const DavPrinterStatus& status) { return status.words[1]; }

constexpr bool WorthChecking(const DavPrinterStatus& status) {
  const std::uint32_t state = StateWord(status);
  return (state & kStateOnline) != 0 || (state & kStateWatchedPair) == kStateWatchedPair;
}

constexpr bool TonerOut(const DavPrinterStatus& status) {
  return (StateWord(status) & kStateTonerOutAny) != 0;
}

constexpr bool PageCountTrusted(const DavPrinterStatus& status) {
  return (StateWord(status) & kStatePageCountDoubtful) == 0 &&
         (DetailWord(status) & kDetailPageCountDoubtful) == 0;
}

constexpr bool MaintenanceDue(std::uint32_t pageCount) {
  return pageCount != kPageCountUnknown && pageCount >= kMaintenancePageCount;
}

}  // namespace rmmmodel
