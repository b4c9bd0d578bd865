#pragma once
// What a build of the monitor is, on the Windows side: its registry details,
// its strings and its names. The entry layers hand one of these to the
// shared shell.

#include <windows.h>

#include "portmon/core/monitor_variant.h"

namespace portmon {

enum class PortValueType { DwordAddress, StringName };

struct MonitorConfig {
  const MonitorVariant* variant;
  const wchar_t* defaultKey;  // below HKEY_LOCAL_MACHINE
  DWORD nameBufferChars;      // for enumerating the monitor key
  bool loadSubkeys;           // ports named by subkeys (with their settings)
  PortValueType valueType;
  UINT addPortMonitorNameId;  // the monitor name AddPort accepts
  const wchar_t* extraAddPortMonitorName;  // also accepted by AddPort, or null
  bool attachOwnerInput;      // AddPort shares the owner window's input
  bool ansiText;              // the spooler speaks the ANSI code page (the 95 line)
  // Ports are dotted addresses only, named by the address and a suffix, and
  // have nothing to configure.
  bool addressPortsOnly;
  int addNameLimit;           // characters the add dialog's field takes
};

// String table numbers every build shares.
inline constexpr UINT IDS_MONITOR_NAME = 500;
inline constexpr UINT IDS_INVALID_ADDRESS = 501;
inline constexpr UINT IDS_INVALID_ADDRESS_NAMED = 502;
inline constexpr UINT IDS_ADDRESS_EXISTS = 503;
inline constexpr UINT IDS_NOTHING_TO_CONFIGURE = 504;
inline constexpr UINT IDS_TEMPORARY_FILE_FAILED = 505;
inline constexpr UINT IDS_CAPTION = 507;
inline constexpr UINT IDS_PORT_DESCRIPTION = 508;
inline constexpr UINT IDS_NIC_SILENT = 509;
inline constexpr UINT IDS_ADD_PORT_MONITOR_NAME = 510;
inline constexpr UINT IDS_NO_POWER_CONTROL = 511;
inline constexpr UINT IDS_INVALID_MAC = 512;

}  // namespace portmon
