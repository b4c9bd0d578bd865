#pragma once
// The one extended item a NIC may carry: its NDS name context, a text of up
// to 255 bytes with its zero byte, as tag 0.

#include <cstddef>
#include <cstdint>

namespace nic {

inline constexpr std::size_t kExtendedValueSize = 255;

struct ExtendedTextRecord {
  std::uint8_t tag = 0;
  int length = -1;  // -1 while never set
  std::uint8_t value[kExtendedValueSize] = {};
  bool present = false;
};

void ResetExtendedText(ExtendedTextRecord& record);

// Reading always terminates `text`; writing cuts so the zero byte fits.
bool GetExtendedText(const ExtendedTextRecord& record, char* text, std::size_t size);
bool SetExtendedText(ExtendedTextRecord& record, const char* text);

}  // namespace nic
