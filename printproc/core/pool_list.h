#pragma once
// The dispatch queue's pool as its driver data holds it: "PDD_PrinterNames"
// is a run of zero-terminated names ending with an empty one, and
// "PDD_Priority" one 32-bit number per name in the same order.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "printproc/core/byte_fields.h"

namespace printproc {

// The names up to the empty one or the value's end, whichever comes first;
// a last name without its terminator still counts.
std::vector<std::string> SplitPrinterNames(Bytes value);

// The priority of the name at `position`: its number in the list, or
// position + 1 when the list has none for it.
std::uint32_t PriorityAt(Bytes priorities, std::size_t position);

}  // namespace printproc
