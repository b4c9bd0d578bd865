#include "outside/statusmgr/printer_store.h"

#include <cstring>
#include <string_view>

#include "common/win/registry_key.h"
#include "outside/statusmgr/counter_lock.h"
#include "outside/statusmgr/store_layout.h"

namespace statusmgr {
namespace {

RegistryKey OpenPrinterKey(const std::wstring& printer, REGSAM access) {
  const std::string_view store = kStoreKey;  // ASCII, so it widens byte by byte
  std::wstring path(store.begin(), store.end());
  path += L'\\';
  path += printer;
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, path.c_str(), access);
}

}  // namespace

bool HasPrinter(const std::wstring& printer) {
  return static_cast<bool>(OpenPrinterKey(printer, KEY_QUERY_VALUE));
}

LONG ReadItem(const std::wstring& printer, const char* item, void* buffer, DWORD size) {
  const RegistryKey key = OpenPrinterKey(printer, KEY_QUERY_VALUE);
  if (!key) return ERROR_FILE_NOT_FOUND;
  auto* bytes = static_cast<BYTE*>(buffer);
  DWORD type = REG_NONE;
  DWORD length = size;
  const LONG result = key.Query(item, type, bytes, length);
  if (result != ERROR_SUCCESS) return result;
  if (type != REG_BINARY || length > size) return ERROR_INVALID_DATA;
  std::memset(bytes + length, 0, size - length);
  return ERROR_SUCCESS;
}

LONG WriteItem(const std::wstring& printer, const char* item, const void* buffer, DWORD size) {
  const RegistryKey key = OpenPrinterKey(printer, KEY_SET_VALUE);
  if (!key) return ERROR_FILE_NOT_FOUND;
  return key.WriteValue(item, REG_BINARY, buffer, size);
}

void CountOne(const std::wstring& printer, const char* counter) {
  const CounterLock lock;
  const RegistryKey key = OpenPrinterKey(printer, KEY_QUERY_VALUE | KEY_SET_VALUE);
  if (!key) return;
  key.WriteDword(counter, key.ReadDword(counter).value_or(0) + 1);
}

}  // namespace statusmgr
