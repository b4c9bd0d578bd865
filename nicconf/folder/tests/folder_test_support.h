#pragma once
// What the folder's Windows tests share: the DLL beside the test program,
// regsvr32 run on it, and its list file.

#include <windows.h>

#include <string>

#include "common/win/testing/program_run.h"

// The full path of a file beside the test program.
std::string ModuleBeside(const char* name);
std::wstring WideModulePath(const char* name);

// regsvr32 /s (and /u) on the nicconf.dll beside the test; its exit code.
inline DWORD RunRegsvr32(bool unregister) { return RunRegsvr32("nicconf.dll", unregister); }

// Writes (or with an empty text, removes) the list file beside the DLL.
void WriteListFile(const std::string& text);
