#pragma once
// The status manager's items by name, each with the one size its callers
// read and write it in. Any other name is an unknown item.

#include <cstdint>
#include <cstring>
#include <optional>

struct StatusItem {
  const char* name;
  std::uint32_t size;
};

inline constexpr StatusItem kPrinterStatusItem{"PrinterStatus", 12};  // DavPrinterStatus
inline constexpr StatusItem kPageCountItem{"PageCount", 4};
inline constexpr StatusItem kDispatchJobInfoItem{"DispatchJobInfo", 556};
inline constexpr StatusItem kPortItem{"Port", 260};
inline constexpr StatusItem kExtStatusItem{"PrinterExtStatus", 4};
inline constexpr StatusItem kCurrentStatusItem{"CurrentStatus", 24};
inline constexpr StatusItem kMemoryItem{"PrinterMemory", 4};
inline constexpr StatusItem kBinConfigItem{"PrinterBinConfig", 1024};
inline constexpr StatusItem kOptConfigItem{"PrinterOptConfig", 1024};
inline constexpr StatusItem kSpoolerQueueItem{"SpoolerQueue", 1024};
inline constexpr StatusItem kPrinterQueueItem{"PrinterQueue", 1024};

inline constexpr StatusItem kStatusItems[] = {
    kPrinterStatusItem, kPageCountItem, kDispatchJobInfoItem, kPortItem,
    kExtStatusItem,     kCurrentStatusItem, kMemoryItem,      kBinConfigItem,
    kOptConfigItem,     kSpoolerQueueItem,  kPrinterQueueItem,
};

// "PrinterExtStatus": the printer cannot print.
inline constexpr std::uint32_t kExtStatusUnusable = 0x8;

inline std::optional<std::uint32_t> StatusItemSize(const char* name) {
  if (name == nullptr) return std::nullopt;
  for (const StatusItem& item : kStatusItems) {
    if (std::strcmp(item.name, name) == 0) return item.size;
  }
  return std::nullopt;
}
