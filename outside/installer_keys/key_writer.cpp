#include "outside/installer_keys/key_writer.h"

#include <windows.h>

#include "common/dav_registry.h"
#include "outside/installer_keys/full_paths.h"

namespace installer {
namespace {

// What the installer gives a new model: alarm mail possible, mail kind 1
// until the agents record the kind of a printer.
constexpr DWORD kNewModelSupport = 1;

class Writer {
 public:
  explicit Writer(std::string& failure) : failure_(failure) {}

  bool Dword(const std::string& key, const char* name, DWORD value) {
    return Set(key, name, REG_DWORD, &value, sizeof value);
  }
  bool String(const std::string& key, const char* name, const std::string& value) {
    return Set(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
  }

 private:
  bool Set(const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    const LSTATUS result = RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, type, data, size);
    if (result == ERROR_SUCCESS) return true;
    failure_ = "cannot write HKEY_LOCAL_MACHINE\\" + key + " " + name + " (error " +
               std::to_string(result) + ")";
    return false;
  }

  std::string& failure_;
};

bool WriteModel(Writer& writer, const ModelEntry& model) {
  const std::string key = std::string(dav::kModelsKey) + "\\" + model.name;
  return writer.Dword(key, dav::kSupport, kNewModelSupport) &&
         writer.String(key, dav::kPluginPath, model.plugin) &&
         writer.String(key, dav::kPagesPath, model.pages);
}

bool WriteInterval(Writer& writer, DWORD interval) {
  return writer.Dword(dav::kMailKey, dav::kServiceInterval, interval) &&
         writer.Dword(dav::kMailKey, dav::kAgentInterval, interval);
}

}  // namespace

bool WriteInstallerKeys(const InstallRequest& request, std::string& failure) {
  Writer writer(failure);
  if (request.model && !WriteModel(writer, *request.model)) return false;
  if (request.interval && !WriteInterval(writer, *request.interval)) return false;
  return !request.installDirectory ||
         writer.String(dav::kUninstallKey, dav::kUninstallString,
                       UninstallCommand(*request.installDirectory));
}

}  // namespace installer
