// An item block as a shell host might hand it back: decoding must stay
// inside the block, and what decodes must pack back to a block that decodes
// to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "nicconf/folder/core/printer_item.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly the block's size, so a read past it is caught.
  auto* block = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
  if (size > 0) std::memcpy(block, data, size);
  nic::PrinterRecord record{};
  if (nic::DecodePrinterItem(block, size, record)) {
    nic::FillRecordDefaults(record);
    const auto packed = nic::PackPrinterItem(record);
    nic::PrinterRecord again{};
    if (!nic::DecodePrinterItem(packed.data(), packed.size(), again) ||
        std::memcmp(&record, &again, sizeof record) != 0)
      std::abort();
  }
  std::free(block);
  return 0;
}
