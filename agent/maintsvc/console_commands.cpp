#include "agent/maintsvc/console_commands.h"

#include <windows.h>

#include <cstdio>

#include "agent/maintsvc/error_text.h"
#include "agent/maintsvc/identity.h"
#include "common/win/service_handle.h"

namespace maintsvc {
namespace {

constexpr DWORD kProgramPathSize = 512;

void Failed(const char* format) { std::printf(format, LastErrorText().c_str()); }

// Waits out stop-pending, a dot a second.
void StopAndWait(SC_HANDLE service) {
  SERVICE_STATUS status{};
  if (!ControlService(service, SERVICE_CONTROL_STOP, &status)) return;
  std::printf("Stopping %s.", kDisplayName);
  Sleep(1000);
  while (QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_STOP_PENDING) {
    std::printf(".");
    Sleep(1000);
  }
  std::printf(status.dwCurrentState == SERVICE_STOPPED ? "\n%s stopped.\n" : "\n%s failed to stop.\n",
              kDisplayName);
}

}  // namespace

void InstallService() {
  char path[kProgramPathSize];
  const DWORD length = GetModuleFileNameA(nullptr, path, kProgramPathSize);
  if (length == 0 || length == kProgramPathSize) {
    std::printf("Unable to install %s - %s\n", kDisplayName, LastErrorText().c_str());
    return;
  }
  const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) return Failed("OpenSCManager failed - %s\n");
  const ServiceHandle service(CreateServiceA(
      manager.get(), kServiceName, kDisplayName, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
      SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, path, nullptr, nullptr, "\0", nullptr, nullptr));
  if (!service) return Failed("CreateService failed - %s\n");
  std::printf("%s installed.\n", kDisplayName);
}

void RemoveService() {
  const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) return Failed("OpenSCManager failed - %s\n");
  const ServiceHandle service(OpenServiceA(manager.get(), kServiceName, SERVICE_ALL_ACCESS));
  if (!service) return Failed("OpenService failed - %s\n");
  StopAndWait(service.get());
  if (!DeleteService(service.get())) return Failed("DeleteService failed - %s\n");
  std::printf("%s removed.\n", kDisplayName);
}

}  // namespace maintsvc
