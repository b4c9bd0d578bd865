#pragma once
// nicctl's IPX commands: search, poll and read NetWare printers through the
// folder's IPX jobs and the NetWare client libraries (Windows only).

#include "tools/nicctl/arguments.h"

// The exit code; the client libraries are loaded and freed here.
int RunIpx(const Arguments& args);
