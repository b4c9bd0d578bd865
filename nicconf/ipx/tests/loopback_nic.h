#pragma once
// Simulated NICs on the stand-in's loopback IPX: each answers the attribute
// frames (without the reply-port prefix) at its own network and node, as a
// NIC does over IPX, and counts what it was sent.

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "nicconf/ipx/testing/ipx_frames.h"
#include "outside/netware/loopback_ipx.h"

namespace nic::ipx::test {

struct LoopbackNicSettings {
  netware_standin::Station station;
  NicAnswer answer;
  bool answersTwice = false;
  std::string extendedText = "long printer name";
};

class LoopbackNic {
 public:
  LoopbackNic(const netware_standin::Segment& segment, const LoopbackNicSettings& settings);
  ~LoopbackNic();
  LoopbackNic(const LoopbackNic&) = delete;
  LoopbackNic& operator=(const LoopbackNic&) = delete;

  bool bound() const { return socket_ != INVALID_SOCKET; }
  int probes() const { return probes_.load(); }
  int setRequests() const { return sets_.load(); }
  int extSetRequests() const { return extSets_.load(); }
  std::string lastName() const;

 private:
  void Run();
  void Answer(const netware_standin::Station& to, std::span<const std::uint8_t> request);
  void Send(const netware_standin::Station& to,
            const std::vector<std::uint8_t>& data);

  netware_standin::Segment segment_;
  LoopbackNicSettings settings_;
  mutable std::mutex nameLock_;
  std::string name_;  // changed by a set request
  SOCKET socket_ = INVALID_SOCKET;
  std::atomic<bool> stop_{false};
  std::atomic<int> probes_{0};
  std::atomic<int> sets_{0};
  std::atomic<int> extSets_{0};
  std::thread thread_;
};

}  // namespace nic::ipx::test
