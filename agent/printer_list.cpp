#include "agent/printer_list.h"

#include <windows.h>
#include <winspool.h>

#include "common/dav_registry.h"
#include "common/win/registry_key.h"

namespace agent {
namespace {

RegistryKey ModelKey(const std::string& model, REGSAM access) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, (std::string(dav::kModelsKey) + "\\" + model).c_str(),
                           access);
}

bool ModelTakesPart(void*, const std::string& model) {
  return ModelKey(model, KEY_ALL_ACCESS).Has(dav::kSupport);
}

std::optional<std::uint32_t> CheckMail(void*, const std::string& printer) {
  const std::string path = std::string(dav::kPrintersKey) + "\\" + printer + "\\" + dav::kDriverData;
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ).ReadDword(dav::kCheckMail);
}

void RecordMailKind(void*, const std::string& model, int kind) {
  ModelKey(model, KEY_ALL_ACCESS).WriteDword(dav::kSupport, static_cast<DWORD>(kind));
}

constexpr QualificationCalls kRegistryCalls{nullptr, ModelTakesPart, CheckMail, RecordMailKind};

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
    if (auto printer = QualifyPrinter(infos[i].pPrinterName, infos[i].pDriverName, kRegistryCalls)) {
      printers.push_back(std::move(*printer));
    }
  }
  return true;
}

std::string PluginPath(const std::string& printer) {
  const RegistryKey key = RegistryKey::Open(
      HKEY_LOCAL_MACHINE, (std::string(dav::kPrintersKey) + "\\" + printer).c_str(), KEY_READ);
  const std::optional<std::string> driver = key.ReadText(dav::kPrinterDriver, 256);
  const std::optional<std::string> model = driver ? ModelOf(*driver) : std::nullopt;
  if (!model) return {};
  return ModelKey(*model, KEY_READ).ReadText(dav::kPluginPath, 256).value_or("");
}

bool MailSettingsComplete() {
  const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ);
  for (const char* name : {dav::kName, dav::kMail, dav::kServer}) {
    if (key.ReadText(name, 255).value_or("").empty()) return false;
  }
  return true;
}

}  // namespace agent
