// Arbitrary received datagrams (sources, lengths, kinds, order) through the
// job's storing rules and both collections. The input is a job kind byte,
// then records of: network (1 byte, spread over 4), node (1 byte, spread
// over 6), length (2 bytes), data.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "nicconf/ipx/core/ipx_job.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  auto job = std::make_unique<nic::ipx::JobData>();
  job->kind = static_cast<nic::ipx::JobKind>(data[0] % 3);
  job->targetCount = 1;
  job->requestCount = 1 + (data[0] >> 7);
  std::memset(job->targets[0].node, 0x11, nic::ipx::kNodeSize);
  std::size_t at = 1;
  while (at + 4 <= size) {
    std::uint8_t network[nic::ipx::kNetworkSize] = {0, 0, 0, data[at]};
    std::uint8_t node[nic::ipx::kNodeSize];
    std::memset(node, data[at + 1] & 0x11, sizeof node);
    std::size_t length = (static_cast<std::size_t>(data[at + 2]) << 8) | data[at + 3];
    at += 4;
    length = length < size - at ? length : size - at;
    nic::ipx::TakeDatagram(*job, network, node, {data + at, length});
    nic::ipx::HasAllAnswers(*job);
    at += length;
  }
  const std::span<const nic::ipx::ReceivedDatagram> received(job->received, job->receivedCount);
  auto list = std::make_unique<nic::ipx::ResultList>();
  nic::ipx::CollectMultiTarget(received, *list);
  for (std::uint32_t i = 0; i < list->count; ++i) {
    if (nic::ipx::FindResult(*list, list->records[i].network, list->records[i].mac) == nullptr &&
        list->records[i].network[0] != 0) {
      __builtin_trap();
    }
  }
  auto block = std::make_unique<nic::TransactionBlock>();
  nic::ipx::CollectSingle(received, *block);
  return 0;
}
