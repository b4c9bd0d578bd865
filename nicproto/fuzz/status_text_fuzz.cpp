// Status texts of any content; the copy has exactly the input's size so an
// overread past the given length is caught.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "nicproto/status_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto text = std::make_unique<char[]>(size);
  if (size > 0) std::memcpy(text.get(), data, size);
  auto record = std::make_unique<nic::StatusRecord>();
  nic::ParseStatusText(text.get(), size, *record);
  return 0;
}
