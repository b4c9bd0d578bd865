#include "outside/statusmgr/printer_name.h"

#include <windows.h>

#include <cstring>

#include "common/dav_records.h"

namespace statusmgr {

// The check for a backslash runs on the wide name: in Shift_JIS the byte
// 0x5C is also the second byte of characters such as "ソ".
std::optional<std::wstring> PrinterKeyName(const char* printer) {
  if (printer == nullptr) return std::nullopt;
  const std::size_t length = strnlen(printer, kDavPrinterNameSize);
  if (length == 0 || length == kDavPrinterNameSize) return std::nullopt;
  const int bytes = static_cast<int>(length);
  const int chars = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, printer, bytes, nullptr, 0);
  if (chars <= 0) return std::nullopt;
  std::wstring name(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, printer, bytes, name.data(), chars);
  if (name.find(L'\\') != std::wstring::npos) return std::nullopt;
  return name;
}

}  // namespace statusmgr
