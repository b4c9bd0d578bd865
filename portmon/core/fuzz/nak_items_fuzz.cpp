// NAK replies carrying the NIC's configuration items, read for the power-off
// state.
#include <cstddef>
#include <cstdint>

#include "portmon/core/printer_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint32_t words[3] = {0xFFFFFFF8u, 0, 0};
  portmon::ReadPrinterState({data, size}, words);
  return 0;
}
