// nrv datagrams as they arrive from the network.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "nicproto/status_datagram.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto record = std::make_unique<nic::StatusRecord>();
  nic::ParseStatusDatagram({data, size}, *record);
  return 0;
}
