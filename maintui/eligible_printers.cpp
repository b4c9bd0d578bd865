#include "maintui/eligible_printers.h"

#include <windows.h>

#include <mutex>

#include "common/dav_registry.h"
#include "common/shift_jis.h"
#include "common/win/registry_key.h"
#include "common/win/tcp_ip_installed.h"

namespace maintui {
namespace {

constexpr std::size_t kNameRoom = 256;
// Where the suite's network port monitor keeps its ports, under either of
// its names: as values or subkeys of its key, or below its "Ports".
constexpr const char* kMonitorKeys[] = {
    "System\\CurrentControlSet\\control\\Print\\Monitors\\NRV Network Port",
    "System\\CurrentControlSet\\control\\Print\\Monitors\\NRV TCP/IP Printing System",
};

std::string ModelKeyPath(const std::string& model) { return std::string(dav::kModelsKey) + "\\" + model; }
std::string DriverDataPath(const std::string& printer) {
  return std::string(dav::kPrintersKey) + "\\" + printer + "\\" + dav::kDriverData;
}

// A model name that would reach another key than its own opens none.
RegistryKey OpenModel(const std::string& model, REGSAM access) {
  if (model.empty() || model.find('\\') != std::string::npos) return {};
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, ModelKeyPath(model).c_str(), access);
}

bool HoldsPort(const char* path, const std::string& port) {
  const RegistryKey monitor = RegistryKey::Open(HKEY_LOCAL_MACHINE, path, KEY_READ);
  if (!monitor) return false;
  if (monitor.Has(port.c_str())) return true;
  for (const std::string& below : {port, "Ports\\" + port}) {
    if (RegistryKey::Open(monitor.get(), below.c_str(), KEY_READ)) return true;
  }
  return false;
}

EligibilityCalls RegistryCalls() {
  return {nullptr,
          [](void*, const std::string& model) { return static_cast<bool>(OpenModel(model, KEY_READ | KEY_WRITE)); },
          [](void*, const std::string& model) { return OpenModel(model, KEY_READ).Has(dav::kSupport); },
          [](void*) { return TcpIpInstalled(); },
          [](void*, const std::string& port) {
            for (const char* path : kMonitorKeys)
              if (!port.empty() && HoldsPort(path, port)) return true;
            return false;
          },
          // The spooler makes the key with the printer; a printer defined
          // without it gets it here.
          [](void*, const std::string& printer, std::uint32_t value) {
            RegistryKey::Create(HKEY_LOCAL_MACHINE, DriverDataPath(printer).c_str(), KEY_ALL_ACCESS)
                .WriteDword(dav::kPrinterEligible, value);
          },
          [](void*, const std::string& printer) -> std::optional<std::uint32_t> {
            return RegistryKey::Open(HKEY_LOCAL_MACHINE, DriverDataPath(printer).c_str(), KEY_READ)
                .ReadDword(dav::kCheckMail);
          },
          [](void*, const std::string& model, std::uint32_t kind) {
            OpenModel(model, KEY_READ | KEY_WRITE).WriteDword(dav::kSupport, kind);
          }};
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

std::vector<LocalPrinter> LocalPrinters() {
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) return {};
  const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  std::vector<LocalPrinter> printers;
  for (DWORD i = 0; i < count; ++i) {
    printers.push_back({CutShiftJis(Text(info[i].pPrinterName), kNameRoom - 1), Text(info[i].pDriverName),
                        CutShiftJis(Text(info[i].pPortName), kNameRoom - 1), Text(info[i].pPrintProcessor),
                        info[i].Attributes});
  }
  return printers;
}

struct ModuleListState {
  std::mutex lock;
  EligibleList list;
};
ModuleListState& Shared() {
  static ModuleListState state;
  return state;
}

}  // namespace

SystemKind CurrentSystem() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return SystemKind::Other;
  if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return SystemKind::Windows95;
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) return SystemKind::Other;
  return version.dwMajorVersion == 3 ? SystemKind::WindowsNT3 : SystemKind::WindowsNT4OrLater;
}

EligibleList BuildEligibleList() {
  const SystemKind system = CurrentSystem();
  const EligibilityCalls calls = RegistryCalls();
  EligibleList list;
  for (const LocalPrinter& printer : LocalPrinters()) {
    const int kind = DecideEligibility(printer, system, calls);
    if (kind != kNotEligible) list.push_back({printer.name, printer.port, kind});
  }
  return list;
}

const EligiblePrinter* FindEligible(const EligibleList& list, std::string_view printer) {
  for (const EligiblePrinter& entry : list) {
    if (entry.name.size() == printer.size() &&
        CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, entry.name.data(), static_cast<int>(entry.name.size()),
                       printer.data(), static_cast<int>(printer.size())) == CSTR_EQUAL)
      return &entry;
  }
  return nullptr;
}

void RebuildModuleList() {
  EligibleList fresh = BuildEligibleList();
  std::lock_guard hold(Shared().lock);
  Shared().list = std::move(fresh);
}

void FreeModuleList() {
  std::lock_guard hold(Shared().lock);
  Shared().list.clear();
}

EligibleList ModuleList() {
  std::lock_guard hold(Shared().lock);
  return Shared().list;
}

}  // namespace maintui
