#include "tools/nicctl/reports.h"

#include <cstdio>

#include "nicconf/exchange/end_code.h"
#include "nicproto/status_interpretation.h"

namespace {

std::string Padded(const char* text, std::size_t width) {
  std::string s(text);
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

// Each line of a message, indented under its printer.
std::string Indented(const char* message) {
  std::string out = "    ";
  for (const char* p = message; *p != '\0'; ++p) {
    out += *p;
    if (*p == '\n') out += "    ";
  }
  return out + "\n";
}

}  // namespace

std::string SearchReport(const std::vector<nic::FoundNic>& found) {
  std::string out = Padded("IP address", 16) + Padded("MAC address", 19) + Padded("Name", 17) +
                    Padded("Model", 17) + "Description\n";
  for (const nic::FoundNic& nic : found) {
    out += Padded(nic.ip, 16) + Padded(nic.mac, 19) + Padded(nic.name, 17) +
           Padded(nic.model[0] != '\0' ? nic.model : "-", 17) + nic.description + "\n";
  }
  char count[64];
  std::snprintf(count, sizeof count, "%zu NIC(s) found\n", found.size());
  return out + count;
}

std::string StatusReport(const std::vector<nic::PolledPrinter>& printers) {
  std::string out;
  for (const nic::PolledPrinter& p : printers) {
    const nic::StatusMessage message = nic::InterpretStatus(nic::StatusWordsOf(p.info), p.info.family);
    char line[512];
    std::snprintf(line, sizeof line, "%-16s%-19s%-20s%s\n", p.ip, p.mac, message.stateTag,
                  message.title);
    out += line;
    out += Indented(message.message);
    std::snprintf(line, sizeof line, "    model %s, NIC %s, picture %u, end code %u", 
                  p.info.model[0] != '\0' ? p.info.model : "-",
                  p.nicStatus[0] != '\0' ? p.nicStatus : "-", message.pictureCode, p.endCode);
    out += line;
    if (p.socketError != 0) out += ", socket error " + std::to_string(p.socketError);
    out += "\n";
  }
  return out;
}
