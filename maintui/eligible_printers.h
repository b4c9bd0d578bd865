#pragma once
// The workstation's printers that can take part in alarm mail, as the
// management window shows them: deciding each writes what the agents read
// ("DAV_PRNSTATUS", the model's "RMMSUPPORT"). One list is the module's,
// rebuilt by the host's calls and by the column callback; workers get
// copies.

#include <string>
#include <string_view>
#include <vector>

#include "maintui/core/printer_eligibility.h"

namespace maintui {

struct EligiblePrinter {
  std::string name;  // at most 255 bytes, as the list keeps it
  std::string port;
  int kind;          // 1 or 2
};
using EligibleList = std::vector<EligiblePrinter>;

SystemKind CurrentSystem();

// Every local printer decided, in the spooler's order.
EligibleList BuildEligibleList();

// The entry of `printer`, its name compared without regard to case.
const EligiblePrinter* FindEligible(const EligibleList& list, std::string_view printer);

// The module's list.
void RebuildModuleList();
void FreeModuleList();
EligibleList ModuleList();

}  // namespace maintui
