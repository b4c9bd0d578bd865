#pragma once
// The commands that run a read or write transaction with one NIC. Each
// prints its report and returns the exit code.

#include "tools/nicctl/arguments.h"

int RunRead(const Arguments& args);
int RunSet(const Arguments& args);
int RunSetIp(const Arguments& args);
int RunPowerOff(const Arguments& args);
