#include "nicproto/extended_text_record.h"

#include "common/bounded_text.h"

namespace nic {

void ResetExtendedText(ExtendedTextRecord& record) { record = ExtendedTextRecord{}; }

bool GetExtendedText(const ExtendedTextRecord& record, char* text, std::size_t size) {
  if (!record.present) return false;
  CopyBoundedText(text, size, reinterpret_cast<const char*>(record.value),
                  static_cast<std::size_t>(record.length));
  return true;
}

bool SetExtendedText(ExtendedTextRecord& record, const char* text) {
  if (text == nullptr) return false;
  ResetExtendedText(record);
  const std::size_t chars =
      CopyBoundedText(reinterpret_cast<char*>(record.value), kExtendedValueSize, text);
  record.length = static_cast<int>(chars + 1);
  record.present = true;
  return true;
}

}  // namespace nic
