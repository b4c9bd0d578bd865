#include "outside/statusmgr/printer_name.h"

#include <windows.h>

#include <cstring>

#include "common/dav_records.h"
#include "common/win/text_conversion.h"

namespace statusmgr {

// The check for a backslash runs on the wide name: in Shift_JIS the byte
// 0x5C is also the second byte of characters such as "ソ".
std::optional<std::wstring> PrinterKeyName(const char* printer) {
  if (printer == nullptr) return std::nullopt;
  const std::size_t length = strnlen(printer, kDavPrinterNameSize);
  if (length == 0 || length == kDavPrinterNameSize) return std::nullopt;
  std::optional<std::wstring> name = StrictWideFromAnsi(std::string_view(printer, length));
  if (!name || name->find(L'\\') != std::wstring::npos) return std::nullopt;
  return name;
}

}  // namespace statusmgr
