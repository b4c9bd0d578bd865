#pragma once
// Finding NICs: one broadcast probe, or one probe to every address of a
// range, then collecting the answers until the time-out.

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "nicconf/exchange/exchange.h"
#include "platform/udp_socket.h"

namespace nic {

struct FoundNic {
  std::uint32_t answered;  // range search: the NIC at this address answered
  char name[64];           // attribute 7
  char ip[18];             // the probed address, then the NIC's attribute 1
  char mac[18];
  char model[64];          // MDL of the NIC's status text, once it arrived
  char description[64];    // attribute 250, cut to 63 characters
};

class NicSearch : public Exchange {
 public:
  // A broadcast search to `target`, keeping at most `maxResults` answers.
  NicSearch(const char* target, std::size_t maxResults, std::uint32_t timeoutMs);
  // A range search over `addresses`, one record each.
  NicSearch(std::vector<FoundNic> addresses, std::uint32_t timeoutMs);

  bool isRange() const { return range_; }
  ExchangeStatus status() const { return status_; }
  // Safe while the search runs.
  std::size_t foundCount() const { return found_.load(std::memory_order_acquire); }
  const std::vector<FoundNic>& records() const { return records_; }

  // Takes one datagram that arrived from `from` (tests and fuzzing call it
  // directly): probe replies and status datagrams from port 8450 only.
  void Match(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);

 private:
  void Run() override;
  ExchangeStatus Probe(const std::vector<std::uint8_t>& probe);
  void CollectUntilTimeOut();
  void MatchReply(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);
  void MatchStatus(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);

  const bool range_;
  char target_[20] = {};
  std::size_t maxResults_ = 0;
  std::vector<FoundNic> records_;
  std::atomic<std::size_t> found_{0};
  ExchangeStatus status_;
};

NicSearch* StartBroadcastSearch(const char* address, std::size_t maxResults,
                                std::uint32_t timeoutMs);
// The range runs from the first address's last number up to `lastValue`,
// wrapping past 254 to 1. Refused when the first address has no '.' or its
// numbers are not 0..255.
NicSearch* StartRangeSearch(const char* firstAddress, int lastValue, std::size_t maxResults,
                            std::uint32_t timeoutMs);

// Broadcast: the records; range: the records that answered.
std::size_t GetFoundCount(const Exchange* search);
// For a range search the index counts answered records only, in address order.
bool GetFoundNic(const Exchange* search, std::size_t index, FoundNic& nic);

// The addresses a range search probes, in order.
std::vector<FoundNic> RangeRecords(const char* firstAddress, int lastValue);

}  // namespace nic
