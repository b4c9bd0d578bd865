#include "tools/nicctl/write_report.h"

#include <algorithm>

#include "tools/nicctl/end_codes.h"
#include "tools/nicctl/report_line.h"

namespace {

bool AllConfirmed(const WriteOutcome& o) {
  return std::all_of(o.parts.begin(), o.parts.end(),
                     [](const WritePart& p) { return p.confirmed; });
}

}  // namespace

std::string WriteReport(const WriteOutcome& o) {
  std::string out = "NIC " + o.target + "\n";
  for (const WritePart& p : o.parts) {
    out += ReportLine(p.what, p.confirmed ? "confirmed" : "no reply");
  }
  if (!AllConfirmed(o)) out += EndCodeText(o.status) + "\n";
  if (!o.otherMac.empty()) {
    out += ReportLine("other NIC at the address", o.otherMac + " " + o.otherName);
  }
  return out;
}

int WriteExitCode(const WriteOutcome& o) {
  return AllConfirmed(o) ? 0 : ExitCodeOf(o.status);
}
