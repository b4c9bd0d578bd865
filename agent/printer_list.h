#pragma once
// The printers a poll looks at: the spooler's local printers whose driver
// is the maker's and whose model takes part in alarm mail.

#include <string>
#include <vector>

#include "agent/core/printer_qualification.h"

namespace agent {

// False when the spooler cannot list its printers.
bool ListPrinters(std::vector<PolledPrinter>& printers);

// The plug-in library path of a printer's model, or empty when the printer
// does not qualify.
std::string PluginPath(const std::string& printer);

// The administrator's name, address and mail server are all set.
bool MailSettingsComplete();

}  // namespace agent
