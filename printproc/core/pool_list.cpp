#include "printproc/core/pool_list.h"

#include <algorithm>

namespace printproc {

std::vector<std::string> SplitPrinterNames(Bytes value) {
  std::vector<std::string> names;
  auto at = value.begin();
  while (at != value.end() && *at != 0) {
    const auto end = std::find(at, value.end(), std::uint8_t{0});
    names.emplace_back(at, end);
    at = end == value.end() ? end : end + 1;
  }
  return names;
}

std::uint32_t PriorityAt(Bytes priorities, std::size_t position) {
  return ReadU32(priorities, position * 4).value_or(static_cast<std::uint32_t>(position + 1));
}

}  // namespace printproc
