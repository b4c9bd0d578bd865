#include "tools/nicctl/read_report.h"

#include "nicproto/mac_text.h"
#include "tools/nicctl/attribute_lines.h"
#include "tools/nicctl/config_lines.h"
#include "tools/nicctl/end_codes.h"
#include "tools/nicctl/field_names.h"
#include "tools/nicctl/report_line.h"

namespace {

std::string StatusLine(const char* key, const char* value) {
  return value[0] != '\0' ? ReportLine(key, value) : std::string();
}

// The text fields only; the hexadecimal blocks mean something only to the
// status interpretation.
std::string StatusLines(const nic::StatusRecord& s) {
  return StatusLine("MFG", s.mfg) + StatusLine("MDL", s.mdl) + StatusLine("CMD", s.cmd) +
         StatusLine("CLS", s.cls) + StatusLine("AID", s.aid) + StatusLine("CID", s.cid) +
         StatusLine("MODE", s.mode) + StatusLine("LEVEL", s.level) +
         StatusLine("EMLVR", s.emlvr) + StatusLine("VERSION", s.version) +
         StatusLine("CNTCD", s.cntcd) + StatusLine("STATUS", s.status) +
         StatusLine("DCMD", s.dcmd);
}

std::string Header(const ReadOutcome& o) {
  char mac[nic::kMacTextSize] = {};
  nic::GetMacText(o.block.attributes, mac, sizeof mac);
  return "NIC " + o.ip + " " + (mac[0] != '\0' ? mac : "(MAC unknown)") + "\n";
}

std::string ContextLine(const nic::TransactionBlock& block) {
  char text[nic::kExtendedValueSize + 1] = {};
  if (!block.extReplied || !nic::GetExtendedText(block.extendedText, text, sizeof text)) return {};
  return ReportLine(kContextLabel, text);
}

std::string ConfigSection(const ReadOutcome& o) {
  if (!o.configAsked) return {};
  std::uint8_t capabilities = 0;
  nic::GetByteAttribute(o.block.attributes, nic::tag::kCapabilities, capabilities);
  if (!o.config && capabilities != nic::kCapabilityCommandProtocol) {
    return "configuration: not read, the NIC takes no commands\n";
  }
  if (!o.config) return "configuration: no reply\n";
  return "configuration\n" + ConfigLines(*o.config);
}

std::string OtherResponder(const ReadOutcome& o) {
  if (o.otherMac.empty()) return {};
  return ReportLine("other NIC at the address", o.otherMac + " " + o.otherName);
}

}  // namespace

std::string ReadReport(const ReadOutcome& o) {
  if (!o.block.attrReplied) {
    return o.ip + ": no reply, " + EndCodeText(o.status) + "\n" + OtherResponder(o);
  }
  std::string out = Header(o) + AttributeLines(o.block.attributes) + ContextLine(o.block);
  if (o.block.statusReceived) out += "status text\n" + StatusLines(o.block.status);
  return out + ConfigSection(o) + OtherResponder(o);
}
