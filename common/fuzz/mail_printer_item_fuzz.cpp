// A host's printer item as it might arrive: reading stays inside the block,
// and what reads builds back to an item that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/mail_printer_item.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly the block's size, so a read past it is caught.
  std::vector<std::uint8_t> block(data, data + size);
  block.shrink_to_fit();
  const auto read = dav::ReadMailPrinterItem(block);
  if (read) {
    const auto again = dav::ReadMailPrinterItem(dav::BuildMailPrinterItem(*read));
    if (!again || again->name != read->name || again->kind != read->kind || again->port != read->port) std::abort();
  }
  return 0;
}
