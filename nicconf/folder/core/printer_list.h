#pragma once
// The printer list file beside the module: one line per printer,
// "name,model,mac,ip,netnum,version,status,protocol,value1,value2" and CR LF,
// no quoting. Model, version and status are kept only as information: they
// are asked of the printer again after every load.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "nicproto/printer_record.h"

namespace nic {

inline constexpr std::size_t kMaxListLines = 100;
// More than 100 lines of the widest records never needs this much; a larger
// file is read only this far.
inline constexpr std::size_t kMaxListFileBytes = 1 << 20;

// All or nothing: the records of the first 100 non-blank lines, or false when
// there are none. The text ends at its first zero byte, as a file read into a
// terminated buffer does.
bool ParsePrinterList(std::string_view text, std::vector<PrinterRecord>& records);

// The file's text for these records, one line each; "" for none. A comma or
// line break inside a field (which would shift every field after it on the
// next load) is written as a blank.
std::string FormatPrinterList(std::span<const PrinterRecord> records);

}  // namespace nic
