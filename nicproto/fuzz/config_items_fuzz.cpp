// A configuration item list with its length, then every typed accessor.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "nicproto/config_items.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto list = std::make_unique<nic::ConfigItemList>();
  nic::DecodeConfigItems({data, size}, *list);
  for (const nic::ConfigItem& item : list->items) {
    char text[200];
    std::uint32_t dword = 0;
    std::uint16_t word = 0;
    std::uint8_t byte = 0;
    nic::GetConfigText(*list, item.tag, text, sizeof text);
    nic::GetConfigIp(*list, item.tag, text, sizeof text);
    nic::GetConfigDword(*list, item.tag, dword);
    nic::GetConfigWord(*list, item.tag, word);
    nic::GetConfigByte(*list, item.tag, byte);
  }
  std::vector<std::uint8_t> out;
  nic::EncodeConfigItems(*list, out);
  return 0;
}
