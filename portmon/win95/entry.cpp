// portmon95: the port monitor for the Windows 95 spooler. InitializeMonitorEx
// takes the registry root and fills the ANSI table; jobs may be collated
// through a temporary file.
#include <windows.h>

#include "common/win/entry_guard.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/monitor_dll.h"
#include "portmon/shell/text_conversion.h"
#include "portmon/win95/ansi_entries.h"
#include "portmon/shell/winspool_calls.h"
#include "portmon/win95/temporary_file_store.h"

namespace {

const portmon::MonitorConfig kConfig{
    .variant = &portmon::kWin95Variant,
    .defaultKey =
        L"System\\CurrentControlSet\\control\\Print\\Monitors\\NRV TCP/IP Printing System",
    .nameBufferChars = 128,
    .loadSubkeys = true,
    .valueType = portmon::PortValueType::StringName,
    .addPortMonitorNameId = portmon::IDS_MONITOR_NAME,
    .extraAddPortMonitorName = nullptr,
    .attachOwnerInput = false,
    .ansiText = true,
    .addressPortsOnly = false,
    .addNameLimit = 127,
};

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI InitializeMonitorEx(LPSTR registryRoot,
                                                                 portmon::AnsiMonitorTable* table) {
  if (table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return GuardedEntry<BOOL>(FALSE, [&] {
    const std::wstring root = registryRoot != nullptr ? portmon::FromAnsi(registryRoot) : L"";
    portmon::MonitorSeams seams;
    seams.spooler = portmon::WinspoolCalls();
    seams.collation = portmon::TemporaryFileStores();
    if (!portmon::StartMonitor(root.c_str(), kConfig, seams)) return FALSE;
    portmon::FillAnsiMonitorTable(*table);
    return TRUE;
  });
}
