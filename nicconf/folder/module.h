#pragma once
// The one state of nicconf.dll, reached only from its entries (DllMain, the
// exports, the COM objects the host calls): the module's handle and lock
// count, the loaded printer list, the view settings and which transports
// could be opened.

#include <windows.h>

#include <string>
#include <vector>

#include "nicconf/folder/core/view_settings.h"
#include "nicproto/printer_record.h"

struct FolderModule {
  HINSTANCE instance = nullptr;
  std::vector<nic::PrinterRecord> loaded;  // the list as last read from the file
  nic::ViewSettings settings;
  bool settingsWritable = true;
  bool unregistered = false;
  bool tcpUsable = false;
  bool ipxUsable = false;
};

FolderModule& FolderState();
HINSTANCE FolderInstance();

// How long a printer is waited for, in seconds: the setting, at least 1.
std::uint32_t BusyTimeoutSeconds();

// The module's full path, and the same with its extension replaced ("nic",
// "ini").
std::string ModulePath();
std::string BesideModule(const char* extension);

// Process attach and detach, in their order.
void AttachFolderModule(HINSTANCE instance);
void DetachFolderModule(bool processEnding);

// TCP/IP and IPX start with the first entry that may talk to a printer (a
// class object, the settings entry), once: starting the exchange workers
// and loading the NetWare client under the loader lock can deadlock a host
// whose other threads are touching windows when the DLL loads.
void StartFolderTransports();

