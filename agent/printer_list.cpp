#include "agent/printer_list.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>

#include "common/dav_registry.h"
#include "common/win/registry_key.h"

namespace agent {
namespace {

constexpr std::size_t kPrefixLength = sizeof dav::kDriverPrefix - 1;

// The model name: the driver name after "NRV ", compared byte by byte.
bool ModelOf(const std::string& driver, std::string& model) {
  if (driver.compare(0, kPrefixLength, dav::kDriverPrefix) != 0) return false;
  model = driver.substr(kPrefixLength);
  return true;
}

RegistryKey Open(HKEY parent, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  RegOpenKeyExA(parent, path.c_str(), 0, access, &key);
  return RegistryKey(key);
}

RegistryKey ModelKey(const std::string& model, REGSAM access) {
  return Open(HKEY_LOCAL_MACHINE, std::string(dav::kModelsKey) + "\\" + model, access);
}

// Up to `limit` bytes of a string value; false when it cannot be read.
bool ReadString(HKEY key, const char* name, std::size_t limit, std::string& value) {
  std::string buffer(limit + 1, '\0');
  DWORD size = static_cast<DWORD>(limit);
  if (key == nullptr || RegQueryValueExA(key, name, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
    return false;
  }
  value.assign(buffer.c_str(), strnlen(buffer.c_str(), size));
  return true;
}

bool ReadDword(HKEY key, const char* name, DWORD& value) {
  DWORD type = 0;
  DWORD size = sizeof value;
  return key != nullptr &&
         RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
             ERROR_SUCCESS &&
         type == REG_DWORD;
}

// The kind of mail a printer wants, written back to its model's key so the
// key records the kind of the last such printer of that model.
int MailKind(const std::string& printer, HKEY modelKey) {
  const std::string path = std::string(dav::kPrintersKey) + "\\" + printer + "\\" + dav::kDriverData;
  RegistryKey data = Open(HKEY_LOCAL_MACHINE, path, KEY_READ);
  DWORD check = 0;
  if (!ReadDword(data.get(), dav::kCheckMail, check)) return 1;
  DWORD kind = (check & (dav::kTonerOutMail | dav::kMaintenanceMail)) != 0 ? 2 : 1;
  RegSetValueExA(modelKey, dav::kSupport, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kind),
                 sizeof kind);
  return static_cast<int>(kind);
}

bool Qualifies(const PRINTER_INFO_2A& info, PolledPrinter& printer) {
  std::string model;
  if (info.pDriverName == nullptr || info.pPrinterName == nullptr ||
      !ModelOf(info.pDriverName, model)) {
    return false;
  }
  RegistryKey modelKey = ModelKey(model, KEY_ALL_ACCESS);
  if (!modelKey || RegQueryValueExA(modelKey.get(), dav::kSupport, nullptr, nullptr, nullptr,
                                    nullptr) != ERROR_SUCCESS) {
    return false;
  }
  printer = {info.pPrinterName, MailKind(info.pPrinterName, modelKey.get())};
  return true;
}

}  // namespace

bool ListPrinters(std::vector<PolledPrinter>& printers) {
  DWORD needed = 0;
  DWORD count = 0;
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count) &&
      GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    return false;
  }
  std::vector<BYTE> buffer(needed, 0);
  if (needed > 0 &&
      !EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
    return false;
  }
  const auto* infos = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    PolledPrinter printer;
    if (Qualifies(infos[i], printer)) printers.push_back(printer);
  }
  return true;
}

std::string PluginPath(const std::string& printer) {
  RegistryKey key = Open(HKEY_LOCAL_MACHINE, std::string(dav::kPrintersKey) + "\\" + printer, KEY_READ);
  std::string driver;
  std::string model;
  if (!ReadString(key.get(), dav::kPrinterDriver, 256, driver) || !ModelOf(driver, model)) return {};
  RegistryKey modelKey = ModelKey(model, KEY_READ);
  std::string path;
  ReadString(modelKey.get(), dav::kPluginPath, 256, path);
  return path;
}

bool MailSettingsComplete() {
  RegistryKey key = Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ);
  for (const char* name : {dav::kName, dav::kMail, dav::kServer}) {
    std::string value;
    if (!ReadString(key.get(), name, 255, value) || value.empty()) return false;
  }
  return true;
}

}  // namespace agent
