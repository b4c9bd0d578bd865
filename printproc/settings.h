#pragma once
// What the processor reads once at start and every job shares: the score
// tables, the rounds and their wait (below "SOFTWARE\NRV\Prindora\PDD"),
// and the separator names that choose the built-in pages.

#include <windows.h>

#include <string>

#include "printproc/core/printer_choice.h"

namespace printproc {

struct ProcessorSettings {
  DispatchSettings dispatch;
  std::string simpleSeparator = "Simple";
  std::string fullSeparator = "Full";
};

// Reads the registry and the module's strings; later jobs see the result.
void LoadProcessorSettings();

// A copy, so a job is not disturbed by a later load.
ProcessorSettings CurrentProcessorSettings();

}  // namespace printproc
