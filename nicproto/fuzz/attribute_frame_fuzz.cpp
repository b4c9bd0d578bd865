// Attribute frames as they arrive from the network: both decoders, and the
// accessors over whatever record they produced.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "nicproto/attribute_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> frame(data, size);
  auto record = std::make_unique<nic::AttributeRecord>();
  nic::FrameKind kind{};
  if (nic::ParseAttributeFrame(frame, kind, *record)) {
    char text[80];
    nic::GetMacText(*record, text, sizeof text);
    nic::GetIpAttribute(*record, nic::tag::kIpAddress, text, sizeof text);
    nic::GetTextAttribute(*record, nic::tag::kDescription, text, sizeof text);
    nic::GetPassword(*record, text, sizeof text);
    std::vector<std::uint8_t> out;
    nic::EncodeAttributes(*record, out);
  }
  nic::ExtendedTextRecord ext;
  if (nic::ParseExtendedFrame(frame, kind, ext)) {
    char text[300];
    nic::GetExtendedText(ext, text, sizeof text);
  }
  return 0;
}
