#pragma once
// Ports as the registry keeps them below the monitor key: a value per
// dotted-address port (named by the port) and a subkey per port holding its
// settings, "MAC Address" and "PowerControl".

#include <windows.h>

#include <string>

#include "portmon/core/printer_data.h"

namespace portmon {

// Adds a record for every port the registry names that the list lacks; never
// removes. Called under the monitor lock.
void LoadPortsFromRegistry();

// The subkey of a port (created when missing) and, for a dotted-address
// name, the value that names it.
bool WritePortSubkey(const std::wstring& name);
bool WritePortValue(const std::wstring& name, DWORD address);

// Deletes the value (dotted names) and the subkey; the result is that of the
// value for dotted names, else that of the subkey.
LONG DeletePortKeys(const std::wstring& name, bool dotted);

PortSettings ReadPortSettings(const std::wstring& name);
// "MAC Address" is stored without its zero; "PowerControl" with it.
bool WriteMacAddress(const std::wstring& name, const std::string& mac);
bool WritePowerControl(const std::wstring& name, bool on);

}  // namespace portmon
