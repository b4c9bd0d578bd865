#pragma once
// The items the stand-in answers, each with the one size its callers use.
// Any other name is an unknown item.

#include <cstdint>
#include <cstring>
#include <optional>

namespace statusmgr {

struct StatusItem {
  const char* name;
  std::uint32_t size;
};

inline constexpr StatusItem kStatusItems[] = {
    {"PrinterStatus", 12},      {"PageCount", 4},          {"DispatchJobInfo", 556},
    {"Port", 260},              {"PrinterExtStatus", 4},   {"CurrentStatus", 24},
    {"PrinterMemory", 4},       {"PrinterBinConfig", 1024}, {"PrinterOptConfig", 1024},
    {"SpoolerQueue", 1024},     {"PrinterQueue", 1024},
};

inline std::optional<std::uint32_t> ItemSize(const char* name) {
  if (name == nullptr) return std::nullopt;
  for (const StatusItem& item : kStatusItems) {
    if (std::strcmp(item.name, name) == 0) return item.size;
  }
  return std::nullopt;
}

}  // namespace statusmgr
