// Any text as a settings value of every row: an integer comes out in its
// row's range, a boolean as one of the two.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "nicconf/folder/core/view_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size < 31 ? size : 31);
  for (const nic::SettingRow& row : nic::SettingRows()) {
    if (row.kind != nic::SettingKind::Integer) {
      nic::ReadBooleanSetting(row, text);
      continue;
    }
    const int value = nic::ReadIntegerSetting(row, text);
    if (value < row.minimum || value > row.maximum) std::abort();
  }
  return 0;
}
