#include "nicconf/wizard/core/page_search.h"

#include <algorithm>

#include "nicconf/exchange/nic_search.h"
#include "nicconf/wizard/core/found_printers.h"

namespace nic {

TcpIpPageSearch::~TcpIpPageSearch() { Stop(); }

bool TcpIpPageSearch::StartBroadcast(const char* address, std::size_t room, std::uint32_t timeoutMs) {
  Stop();
  search_ = StartBroadcastSearch(address, room, timeoutMs);
  return search_ != nullptr;
}

bool TcpIpPageSearch::StartRange(const char* firstAddress, int lastValue, std::size_t room,
                                 std::uint32_t timeoutMs) {
  Stop();
  search_ = StartRangeSearch(firstAddress, lastValue, room, timeoutMs);
  return search_ != nullptr;
}

bool TcpIpPageSearch::Finished() const { return search_ == nullptr || IsFinished(search_); }

void TcpIpPageSearch::KeepFound(std::span<const PrinterRecord> listed, std::vector<PrinterRecord>& kept) const {
  if (search_ == nullptr || !IsFinished(search_)) return;
  const std::size_t count = GetFoundCount(search_);
  for (std::size_t i = 0; i < count; ++i) {
    FoundNic found{};
    if (GetFoundNic(search_, i, found)) KeepTcpIpFound(found, listed, kept);
  }
}

void TcpIpPageSearch::Stop() {
  if (search_ == nullptr) return;
  Cancel(search_);
  Release(search_);
  search_ = nullptr;
}

int ProgressPercent(std::uint32_t elapsedMs, std::uint32_t totalMs) {
  if (totalMs == 0) return 100;
  return static_cast<int>(std::min<std::uint64_t>(100, std::uint64_t{elapsedMs} * 100 / totalMs));
}

}  // namespace nic
