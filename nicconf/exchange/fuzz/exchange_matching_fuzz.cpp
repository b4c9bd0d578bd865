// Arbitrary datagrams from arbitrary sources into the search and poll
// matchers. The first byte picks the source port, the second the source's
// last address number; the rest is the datagram.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "nicconf/exchange/nic_search.h"
#include "nicconf/exchange/status_poll.h"
#include "nicproto/frame_kind.h"
#include "nicproto/printer_record.h"

namespace {

std::vector<nic::PrinterRecord> PollList() {
  std::vector<nic::PrinterRecord> list(3, nic::PrinterRecord{});
  std::snprintf(list[0].ip, sizeof list[0].ip, "127.0.0.1");
  std::snprintf(list[0].mac, sizeof list[0].mac, "00:80:87:00:00:01");
  std::snprintf(list[1].ip, sizeof list[1].ip, "127.0.0.2");
  std::snprintf(list[1].mac, sizeof list[1].mac, "00:80:87:00:00:02");
  std::snprintf(list[2].ip, sizeof list[2].ip, "127.0.0.2");
  std::snprintf(list[2].mac, sizeof list[2].mac, "00:80:87:00:00:03");
  return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  platform::ReceivedFrom from{};
  from.port = (data[0] & 1) ? nic::kAttributePort : data[0];
  std::snprintf(from.ip, sizeof from.ip, "127.0.0.%u", data[1] % 4);
  const std::span<const std::uint8_t> datagram(data + 2, size - 2);

  nic::NicSearch broadcast("127.255.255.255", 2, 0);
  broadcast.Match(datagram, from);
  broadcast.Match(datagram, from);
  broadcast.Match(datagram, from);

  nic::NicSearch range(nic::RangeRecords("127.0.0.254", 3), 0);
  range.Match(datagram, from);

  const auto list = PollList();
  nic::StatusPoll poll(list, 0);
  poll.Match(datagram, from);
  return 0;
}
