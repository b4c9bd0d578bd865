#include "alertmail/settings_reader.h"

#include <windows.h>

#include "common/dav_registry.h"
#include "common/win/registry_key.h"

namespace alertmail {
namespace {

constexpr std::size_t kValueBuffer = 200;

// A value read into a zero-filled 200-byte buffer; one that does not fit
// with its terminator cannot be read: 199 characters and their zero do, and
// so do 199 characters stored without one, but not 200.
bool ReadValue(const RegistryKey& key, const char* name, std::string& value) {
  const std::optional<std::string> text = key.ReadText(name, kValueBuffer);
  if (!text || text->size() >= kValueBuffer) return false;
  value = *text;
  return true;
}

}  // namespace

MailSettings ReadMailSettings() {
  MailSettings settings;
  const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ);
  settings.complete = ReadValue(key, dav::kName, settings.name) &&
                      ReadValue(key, dav::kMail, settings.mail) &&
                      ReadValue(key, dav::kServer, settings.server);
  if (!settings.complete) return settings;
  ReadValue(key, dav::kSubject, settings.subject);
  ReadValue(key, dav::kCompany, settings.company);
  ReadValue(key, dav::kDepartment, settings.department);
  ReadValue(key, dav::kAddress, settings.address);
  ReadValue(key, dav::kTelephone, settings.telephone);
  return settings;
}

}  // namespace alertmail
