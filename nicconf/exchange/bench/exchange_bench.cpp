// End-to-end timings of the exchanges against 100 simulated NICs on
// 127.0.4.1-100, each beside its floor in the same run:
// - a status poll of all 100, against a plain loop that sends the same 100
//   probes, each followed by a 1 ms look for replies, then waits for the
//   last of the 200 replies (what any poll must at least spend);
// - a range search over 254 addresses, reported as the time beyond its
//   configured time-out.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "nicconf/exchange/network.h"
#include "nicconf/exchange/nic_search.h"
#include "nicconf/exchange/status_poll.h"
#include "nicproto/attribute_frame.h"
#include "platform/tick.h"
#include "platform/udp_socket.h"
#include "tools/nicsim/nic_simulator.h"

namespace {

constexpr int kNics = 100;

std::string Address(int i) { return "127.0.4." + std::to_string(i); }
std::string MacOf(int i) {
  char mac[18];
  std::snprintf(mac, sizeof mac, "00:80:87:04:00:%02X", i);
  return mac;
}

nicsim::Simulator& Network() {
  static nicsim::Simulator* simulator = [] {
    auto* s = new nicsim::Simulator("/tmp/nicsuite-bench-jobs");
    std::vector<nicsim::SimNic> nics;
    for (int i = 1; i <= kNics; ++i) {
      nicsim::SimNic nic;
      nic.ip = Address(i);
      nic.mac = MacOf(i);
      nics.push_back(nic);
    }
    std::string error;
    if (!s->Start(nics, &error)) std::fprintf(stderr, "simulator: %s\n", error.c_str());
    nic::StartNetwork();
    return s;
  }();
  return *simulator;
}

void WaitFinished(const nic::Exchange* exchange) {
  while (!nic::IsFinished(exchange)) platform::SleepMs(1);
}

void BM_StatusPoll100(benchmark::State& state) {
  Network();
  std::vector<nic::PrinterRecord> records(kNics, nic::PrinterRecord{});
  for (int i = 0; i < kNics; ++i) {
    CopyBoundedText(records[i].ip, Address(i + 1).c_str());
    CopyBoundedText(records[i].mac, MacOf(i + 1).c_str());
  }
  for (auto _ : state) {
    nic::StatusPoll* poll = nic::StartStatusPoll(records, 3000);
    WaitFinished(poll);
    for (const nic::PolledPrinter& p : poll->printers()) {
      if (p.info.statusReceived == 0) state.SkipWithError("a printer gave no status");
    }
    nic::Release(poll);
  }
}
BENCHMARK(BM_StatusPoll100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The floor: the same probes and 1 ms looks, then the remaining replies.
void BM_PollFloor100(benchmark::State& state) {
  Network();
  platform::UdpSocket socket;
  socket.Open();
  std::uint16_t port = 0;
  socket.LocalPort(port);
  const auto probe = nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ProbeRequest,
                                                nic::AttributeRecord{}, port);
  std::vector<std::uint8_t> buffer(platform::kDatagramBufferSize);
  for (auto _ : state) {
    int replies = 0;
    auto drain = [&](std::uint32_t waitMs) {
      int error = 0;
      if (socket.WaitReadable(waitMs, error) != platform::WaitResult::Ready) return;
      std::size_t length = 0;
      platform::ReceivedFrom from{};
      if (socket.ReceiveFrom(buffer, length, from) == 0) ++replies;
    };
    for (int i = 1; i <= kNics; ++i) {
      socket.SendTo(Address(i).c_str(), nic::kAttributePort, probe);
      drain(1);
    }
    while (replies < 2 * kNics) drain(100);
  }
}
BENCHMARK(BM_PollFloor100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The whole range search less its configured time-out: the 254 probes with
// their looks for early replies.
void BM_RangeSearch254BeyondTimeOut(benchmark::State& state) {
  Network();
  constexpr std::uint32_t kTimeOutMs = 200;
  for (auto _ : state) {
    const std::uint32_t start = platform::TickCount();
    nic::NicSearch* search = nic::StartRangeSearch("127.0.4.1", 254, 0, kTimeOutMs);
    WaitFinished(search);
    const std::uint32_t elapsed = platform::TicksSince(start);
    if (nic::GetFoundCount(search) != kNics) state.SkipWithError("not every NIC was found");
    nic::Release(search);
    state.SetIterationTime((elapsed - kTimeOutMs) / 1000.0);
  }
}
BENCHMARK(BM_RangeSearch254BeyondTimeOut)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace
