#pragma once
// The folder's printer record: the same 340-byte layout in memory, in the
// printer list, in the status refresh and in the setting dialogs. Texts are
// zero-terminated, zero-padded Shift_JIS.

#include <cstdint>

namespace nic {

struct PrinterRecord {
  char name[65];
  char model[65];
  char mac[19];
  char ip[19];
  char netnum[17];
  char version[65];
  char status[65];
  char protocol[17];
  std::uint32_t value1;
  std::uint32_t value2;
};
static_assert(sizeof(PrinterRecord) == 340);

}  // namespace nic
