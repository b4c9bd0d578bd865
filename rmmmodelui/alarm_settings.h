#pragma once
// Where the alarm settings pages read and store: the printer's own
// "PrinterDriverData" key, the workstation's mail settings (defaults and
// the preview's sender lines), and the model's help file.

#include <string>
#include <utility>

#include "common/win/registry_key.h"
#include "rmmmodelui/core/alarm_pages.h"

namespace rmmui {

// Opened with full access; empty when the printer has no such key.
RegistryKey OpenPrinterSettings(const char* printer);

// "DAV_DEFTO" and "DAV_DEFCC", as the default button puts them in.
std::pair<std::string, std::string> DefaultRecipients();

// What the preview of `page` shows, as stored (not as typed).
StoredValues ReadStoredValues(AlarmPage page, const char* printer);

// The model's "RMMHLP", found through the printer's driver; empty when the
// printer's driver is not the maker's or the model names no help file.
std::string ModelHelpFile(const char* printer);

}  // namespace rmmui
