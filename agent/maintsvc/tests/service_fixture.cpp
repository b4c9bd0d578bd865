#include "agent/maintsvc/tests/service_fixture.h"

#include "common/win/service_handle.h"

namespace {

constexpr char kServiceName[] = "NRVRMM";

ServiceHandle OpenService(DWORD access) {
  const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  return ServiceHandle(manager ? OpenServiceA(manager.get(), kServiceName, access) : nullptr);
}

DWORD CurrentState(SC_HANDLE service) {
  SERVICE_STATUS status{};
  return QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
}

}  // namespace

void RemoveServiceIfRegistered() {
  const ServiceHandle service = OpenService(SERVICE_ALL_ACCESS);
  if (!service) return;
  SERVICE_STATUS status{};
  if (ControlService(service.get(), SERVICE_CONTROL_STOP, &status)) {
    for (int tries = 0; tries < 100 && CurrentState(service.get()) != SERVICE_STOPPED; ++tries) {
      Sleep(100);
    }
  }
  DeleteService(service.get());
}

DWORD WaitForServiceState(DWORD state, DWORD timeoutMs) {
  const ServiceHandle service = OpenService(SERVICE_QUERY_STATUS);
  const DWORD started = GetTickCount();
  DWORD current = CurrentState(service.get());
  while (current != state && GetTickCount() - started < timeoutMs) {
    Sleep(50);
    current = CurrentState(service.get());
  }
  return current;
}
