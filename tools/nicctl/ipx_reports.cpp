#include "tools/nicctl/ipx_reports.h"

#include <cctype>
#include <cstdio>

#include "common/bounded_text.h"
#include "nicconf/exchange/end_code.h"
#include "nicproto/status_interpretation.h"

namespace {

std::string StateOf(const nic::ipx::Result& r) {
  if (r.info.statusReceived == 0) return "-";
  return nic::InterpretStatus(nic::StatusWordsOf(r.info), r.info.family).stateTag;
}

}  // namespace

std::string NetworkText(const std::string& typed) {
  std::string text = typed.size() < 8 ? std::string(8 - typed.size(), '0') + typed : typed;
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string IpxSearchReport(const nic::ipx::ResultList& found) {
  char line[256];
  std::snprintf(line, sizeof line, "%-10s%-19s%-16s%-17s%-7s%s\n", "Network", "MAC address",
                "IP address", "Name", "NIC", "State");
  std::string out = line;
  for (std::uint32_t i = 0; i < found.count && i < nic::ipx::kMaxResults; ++i) {
    const nic::ipx::Result& r = found.records[i];
    std::snprintf(line, sizeof line, "%-10s%-19s%-16s%-17s%-7s%s\n", r.network, r.mac,
                  r.ip[0] != '\0' ? r.ip : "-", r.name, r.nicStatus[0] != '\0' ? r.nicStatus : "-",
                  StateOf(r).c_str());
    out += line;
  }
  std::snprintf(line, sizeof line, "%u NIC(s) found\n", static_cast<unsigned>(found.count));
  return out + line;
}

nic::PolledPrinter PolledFromIpx(const nic::ipx::Result& result) {
  nic::PolledPrinter p{};
  p.info = result.info;
  CopyBoundedText(p.nicStatus, result.nicStatus);
  CopyBoundedText(p.ip, result.network);
  CopyBoundedText(p.mac, result.mac);
  p.sameIpCount = 1;
  p.endCode = result.info.attrReceived != 0 ? nic::kFinished : nic::kTimedOut;
  return p;
}
