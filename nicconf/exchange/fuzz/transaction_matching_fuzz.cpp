// Arbitrary datagrams from arbitrary sources into a transaction's reply
// acceptance: a read with the placeholder MAC and command slots, and a
// write with a command-1 slot (which takes NAK replies from any address).
// The first byte picks the source port, the second the source address.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "nicconf/exchange/nic_transaction.h"
#include "nicproto/frame_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  platform::ReceivedFrom from{};
  switch (data[0] % 3) {
    case 0: from.port = nic::kAttributePort; break;
    case 1: from.port = nic::kCommandPort; break;
    default: from.port = data[0]; break;
  }
  std::snprintf(from.ip, sizeof from.ip, "127.0.0.%u", data[1] % 3);
  const std::span<const std::uint8_t> datagram(data + 2, size - 2);

  nic::CommandSlotList slots(3);
  slots.GetOrCreate(2);
  slots.GetOrCreate(5);
  nic::NicTransaction read("127.0.0.1", nic::kPlaceholderMac, &slots, true, 0);
  read.Match(datagram, from);
  read.Match(datagram, from);

  nic::CommandSlotList writeSlots(2);
  writeSlots.GetOrCreate(1);
  nic::TransactionBlock request;
  request.attrReplied = 1;
  nic::NicTransaction write("127.0.0.1", "00:80:87:00:00:01", &request, &writeSlots, 0, false);
  write.Match(datagram, from);
  return 0;
}
