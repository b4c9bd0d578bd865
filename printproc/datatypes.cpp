#include "printproc/datatypes.h"

#include <winspool.h>

#include <cstring>
#include <string_view>

namespace printproc {
namespace {

// Each entry takes its pointer and its text with the terminator. The
// pointer is counted at its real size: the "length + 5" of 32-bit systems
// would leave a 64-bit caller's buffer short.
template <typename Char, typename Info>
BOOL Enumerate(std::basic_string_view<Char> raw, DWORD level, BYTE* buffer, DWORD size, DWORD* needed,
               DWORD* returned) {
  if (needed == nullptr || returned == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *returned = 0;
  if (level != 1) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  const DWORD textSize = static_cast<DWORD>((raw.size() + 1) * sizeof(Char));
  *needed = static_cast<DWORD>(sizeof(Info)) + textSize;
  if (buffer == nullptr || size < *needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  BYTE* text = buffer + size - textSize;
  std::memcpy(text, raw.data(), textSize);  // the view ends at a literal's terminator
  Info info{};
  info.pName = reinterpret_cast<Char*>(text);
  std::memcpy(buffer, &info, sizeof info);
  *returned = 1;
  return TRUE;
}

}  // namespace

BOOL EnumDatatypesA(const char*, const char*, DWORD level, BYTE* buffer, DWORD size, DWORD* needed,
                    DWORD* returned) {
  return Enumerate<char, DATATYPES_INFO_1A>("RAW", level, buffer, size, needed, returned);
}

BOOL EnumDatatypesW(const wchar_t*, const wchar_t*, DWORD level, BYTE* buffer, DWORD size,
                    DWORD* needed, DWORD* returned) {
  return Enumerate<wchar_t, DATATYPES_INFO_1W>(L"RAW", level, buffer, size, needed, returned);
}

bool IsRawDatatype(const char* datatype) {
  return datatype != nullptr && lstrcmpiA(datatype, "RAW") == 0;
}

}  // namespace printproc
