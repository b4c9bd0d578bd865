#pragma once
// A printer's ANSI name as the name of its key in the store.

#include <optional>
#include <string>

namespace statusmgr {

// Nothing when the name cannot name one key: empty, longer than a printer
// name may be, not valid in the ANSI code page, or holding a backslash (which
// would reach another key).
std::optional<std::wstring> PrinterKeyName(const char* printer);

}  // namespace statusmgr
