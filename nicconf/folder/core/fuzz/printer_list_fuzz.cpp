// Any file as the printer list: loading stays bounded, and what loads saves
// to a text that loads to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "nicconf/folder/core/printer_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<nic::PrinterRecord> records;
  if (!nic::ParsePrinterList({reinterpret_cast<const char*>(data), size}, records)) return 0;
  if (records.empty() || records.size() > nic::kMaxListLines) std::abort();
  std::vector<nic::PrinterRecord> again;
  const std::string saved = nic::FormatPrinterList(records);
  if (!nic::ParsePrinterList(saved, again) || again.size() != records.size()) std::abort();
  return 0;
}
