// NAK replies of the command protocol, as they arrive from the network.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "nicproto/command_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto slot = std::make_unique<nic::CommandSlot>();
  if (nic::ParseCommandReply({data, size}, *slot)) {
    char text[200];
    nic::GetConfigText(slot->configItems, nic::config::kName, text, sizeof text);
    nic::GetConfigIp(slot->configItems, nic::config::kIpAddress, text, sizeof text);
  }
  return 0;
}
