#include "portmon/shell/port_registry.h"

#include <vector>

#include "common/win/registry_key.h"
#include "portmon/core/host_name.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

constexpr int kErrorsBeforeGivingUp = 10;
constexpr wchar_t kMacAddress[] = L"MAC Address";
constexpr wchar_t kPowerControl[] = L"PowerControl";

RegistryKey OpenMonitorKey(REGSAM access) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, Monitor::Instance().registryRoot().c_str(), access);
}

RegistryKey OpenPortKey(const std::wstring& name, REGSAM access, bool create) {
  const RegistryKey monitor = OpenMonitorKey(create ? KEY_CREATE_SUB_KEY : KEY_READ);
  if (!monitor) return {};
  return create ? RegistryKey::Create(monitor.get(), name.c_str(), access)
                : RegistryKey::Open(monitor.get(), name.c_str(), access);
}

// Walks names by index; gives up after the tenth error other than the end.
template <typename Next, typename Take>
bool EnumerateNames(Next next, Take take) {
  int errors = 0;
  for (DWORD index = 0;; ++index) {
    std::wstring name;
    const LONG result = next(index, name);
    if (result == ERROR_NO_MORE_ITEMS) return true;
    if (result != ERROR_SUCCESS) {
      if (++errors >= kErrorsBeforeGivingUp) return false;
      continue;
    }
    take(name);
  }
}

void AddIfMissing(const std::wstring& name, DWORD address) {
  Monitor& monitor = Monitor::Instance();
  if (monitor.Find(name) == nullptr) monitor.Add(name, address);
}

bool LoadValues(HKEY key, DWORD nameChars) {
  return EnumerateNames(
      [&](DWORD index, std::wstring& name) {
        std::vector<wchar_t> buffer(nameChars);
        DWORD length = nameChars;
        BYTE data[128];
        DWORD dataLength = sizeof data;
        const LONG result =
            RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, data, &dataLength);
        name.assign(buffer.data(), length);
        return result;
      },
      [](const std::wstring& name) {
        if (const DWORD address = DottedAddress(name)) AddIfMissing(AddressPortName(name), address);
      });
}

bool LoadSubkeys(HKEY key, DWORD nameChars) {
  return EnumerateNames(
      [&](DWORD index, std::wstring& name) {
        std::vector<wchar_t> buffer(nameChars);
        DWORD length = nameChars;
        const LONG result =
            RegEnumKeyExW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        name.assign(buffer.data(), length);
        return result;
      },
      [](const std::wstring& name) {
        const std::string ansi = ToAnsi(name, 1024);
        if (PassesHostNameCheck(ansi)) AddIfMissing(name, DottedAddress(name));
      });
}

std::optional<std::string> ReadText(const RegistryKey& key, const wchar_t* value) {
  const std::optional<std::wstring> text = key.ReadWideString(value);
  if (!text) return std::nullopt;
  return ToAnsi(*text, 1024);
}

bool WriteText(const std::wstring& name, const wchar_t* value, const std::wstring& text,
               bool withZero) {
  return OpenPortKey(name, KEY_SET_VALUE, true).WriteWideString(value, text, withZero);
}

}  // namespace

void LoadPortsFromRegistry() {
  const MonitorConfig& config = Monitor::Instance().config();
  RegistryKey key = OpenMonitorKey(KEY_READ);
  if (!key) return;
  if (!LoadValues(key.get(), config.nameBufferChars)) return;
  if (config.loadSubkeys) LoadSubkeys(key.get(), config.nameBufferChars);
}

bool WritePortSubkey(const std::wstring& name) {
  return static_cast<bool>(OpenPortKey(name, KEY_READ, true));
}

bool WritePortValue(const std::wstring& name, DWORD address) {
  RegistryKey key = OpenMonitorKey(KEY_SET_VALUE);
  if (!key) return false;
  if (Monitor::Instance().config().valueType == PortValueType::StringName) {
    return key.WriteWideString(name.c_str(), name);
  }
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&address), sizeof address) == ERROR_SUCCESS;
}

LONG DeletePortKeys(const std::wstring& name, bool dotted) {
  RegistryKey key = OpenMonitorKey(KEY_ALL_ACCESS);
  if (!key) return ERROR_FILE_NOT_FOUND;
  if (!dotted) return RegDeleteKeyW(key.get(), name.c_str());
  const LONG result = RegDeleteValueW(key.get(), name.c_str());
  RegDeleteKeyW(key.get(), name.c_str());
  return result;
}

PortSettings ReadPortSettings(const std::wstring& name) {
  PortSettings settings;
  RegistryKey key = OpenPortKey(name, KEY_READ, false);
  if (!key) return settings;
  settings.mac = ReadText(key, kMacAddress);
  settings.powerControl = ReadText(key, kPowerControl);
  return settings;
}

bool WriteMacAddress(const std::wstring& name, const std::string& mac) {
  return WriteText(name, kMacAddress, FromAnsi(mac), false);
}

bool WritePowerControl(const std::wstring& name, bool on) {
  return WriteText(name, kPowerControl, on ? L"ON" : L"OFF", true);
}

}  // namespace portmon
