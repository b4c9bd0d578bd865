#pragma once
// The TCP/IP search a search page runs, a broadcast or an address range,
// polled by the page until it has finished, and what it found kept by the
// wizard's rules. The page's progress bar fills over the search's time.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "nicconf/exchange/exchange.h"
#include "nicproto/printer_record.h"

namespace nic {

class TcpIpPageSearch {
 public:
  TcpIpPageSearch() = default;
  ~TcpIpPageSearch();
  TcpIpPageSearch(const TcpIpPageSearch&) = delete;
  TcpIpPageSearch& operator=(const TcpIpPageSearch&) = delete;

  // False when the search could not be started.
  bool StartBroadcast(const char* address, std::size_t room, std::uint32_t timeoutMs);
  bool StartRange(const char* firstAddress, int lastValue, std::size_t room, std::uint32_t timeoutMs);

  bool Started() const { return search_ != nullptr; }
  bool Finished() const;
  // The NICs found, kept (appended) by the wizard's rules; once finished.
  void KeepFound(std::span<const PrinterRecord> listed, std::vector<PrinterRecord>& kept) const;
  // Stops the search and lets it go: nothing is kept.
  void Stop();

 private:
  Exchange* search_ = nullptr;
};

// The progress bar's position, 0..100, after `elapsedMs` of `totalMs`.
int ProgressPercent(std::uint32_t elapsedMs, std::uint32_t totalMs);

}  // namespace nic
