#pragma once
// The status manager items the processor reads about a pool member, each
// read whole into a zeroed block of its size. A failed read leaves the
// zeros, which score as a member with nothing reported.

#include <cstdint>

namespace printproc {

struct StatusItem {
  const char* name;
  std::uint32_t size;
};

inline constexpr StatusItem kExtStatusItem{"PrinterExtStatus", 4};
inline constexpr StatusItem kCurrentStatusItem{"CurrentStatus", 24};
inline constexpr StatusItem kMemoryItem{"PrinterMemory", 4};
inline constexpr StatusItem kBinConfigItem{"PrinterBinConfig", 1024};
inline constexpr StatusItem kOptConfigItem{"PrinterOptConfig", 1024};
inline constexpr StatusItem kSpoolerQueueItem{"SpoolerQueue", 1024};
inline constexpr StatusItem kPrinterQueueItem{"PrinterQueue", 1024};

inline constexpr char kDispatchJobInfoItem[] = "DispatchJobInfo";

// "PrinterExtStatus": the member cannot print.
inline constexpr std::uint32_t kExtStatusUnusable = 0x8;

}  // namespace printproc
