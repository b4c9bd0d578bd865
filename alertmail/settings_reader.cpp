#include "alertmail/settings_reader.h"

#include <windows.h>

#include "common/dav_registry.h"
#include "common/win/registry_key.h"

namespace alertmail {
namespace {

constexpr DWORD kValueBuffer = 200;

// A value read into a zero-filled 200-byte buffer; one that does not fit
// with its terminator cannot be read.
bool ReadValue(HKEY key, const char* name, std::string& value) {
  char buffer[kValueBuffer] = {};
  DWORD size = kValueBuffer - 1;
  if (key == nullptr || RegQueryValueExA(key, name, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
    return false;
  }
  value.assign(buffer, strnlen(buffer, size));
  return true;
}

}  // namespace

MailSettings ReadMailSettings() {
  MailSettings settings;
  HKEY opened = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, dav::kMailKey, 0, KEY_READ, &opened);
  RegistryKey key(opened);
  settings.complete = ReadValue(key.get(), dav::kName, settings.name) &&
                      ReadValue(key.get(), dav::kMail, settings.mail) &&
                      ReadValue(key.get(), dav::kServer, settings.server);
  if (!settings.complete) return settings;
  ReadValue(key.get(), dav::kSubject, settings.subject);
  ReadValue(key.get(), dav::kCompany, settings.company);
  ReadValue(key.get(), dav::kDepartment, settings.department);
  ReadValue(key.get(), dav::kAddress, settings.address);
  ReadValue(key.get(), dav::kTelephone, settings.telephone);
  return settings;
}

}  // namespace alertmail
