#include "tools/nicctl/attribute_lines.h"

#include <cstdio>

#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"
#include "tools/nicctl/field_names.h"
#include "tools/nicctl/report_line.h"

namespace {

constexpr std::uint8_t kAppleTalkBit = 0x04;
constexpr std::uint8_t kTcpIpBit = 0x20;
constexpr std::uint8_t kNetWareBit = 0x40;
constexpr std::uint8_t kOfflineBit = 0x01;
constexpr std::uint8_t kPaperOutBit = 0x02;

std::string HexByte(std::uint8_t byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

std::string AllBytes(const nic::Attribute& a) {
  return std::string(reinterpret_cast<const char*>(a.value), static_cast<std::size_t>(a.length));
}

std::string UpToZero(const nic::Attribute& a) {
  const std::string all = AllBytes(a);
  return all.substr(0, all.find('\0'));
}

bool IsPrintableAscii(const std::string& bytes) {
  if (bytes.empty()) return false;
  for (const char c : bytes) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

std::string HexPairs(const nic::Attribute& a) {
  std::string out;
  char pair[4];
  for (int i = 0; i < a.length; ++i) {
    std::snprintf(pair, sizeof pair, i == 0 ? "%02X" : " %02X", a.value[i]);
    out += pair;
  }
  return out;
}

// Bytes that read as plain text are shown as text, in quotes so they are not
// taken for hex.
std::string Opaque(const nic::Attribute& a) {
  const std::string text = UpToZero(a);
  if (a.form == nic::AttributeForm::Text) return "\"" + text + "\"";
  if (a.form == nic::AttributeForm::Byte) return std::to_string(a.value[0]);
  return IsPrintableAscii(AllBytes(a)) ? "\"" + AllBytes(a) + "\"" : HexPairs(a);
}

std::string Joined(const std::string& head, const std::string& names) {
  return names.empty() ? head : head + " (" + names.substr(2) + ")";
}

std::string Capabilities(std::uint8_t bits) {
  std::string names;
  if (bits & kTcpIpBit) names += ", TCP/IP";
  if (bits & kNetWareBit) names += ", NetWare";
  if (bits & kAppleTalkBit) names += ", AppleTalk";
  if (bits == nic::kCapabilityCommandProtocol) names += ", command protocol";
  return Joined(HexByte(bits), names);
}

std::string PortStatus(std::uint8_t bits) {
  std::string names;
  if (bits & kOfflineBit) names += ", offline";
  if (bits & kPaperOutBit) names += ", paper out";
  return Joined(HexByte(bits), names.empty() ? ", online" : names);
}

std::string IpText(const nic::AttributeRecord& record, std::uint8_t tag) {
  char text[kIpTextSize] = {};
  nic::GetIpAttribute(record, tag, text, sizeof text);
  return text;
}

std::string MacText(const nic::AttributeRecord& record) {
  char text[nic::kMacTextSize] = {};
  return nic::GetMacText(record, text, sizeof text) ? text : "";
}

std::string Shown(const nic::AttributeRecord& record, const nic::Attribute& a, AttributeShow show) {
  switch (show) {
    case AttributeShow::Byte: return std::to_string(a.value[0]);
    case AttributeShow::Ipv4: return IpText(record, a.tag);
    case AttributeShow::Text: return UpToZero(a);
    case AttributeShow::Password: return "(set)";
    case AttributeShow::Mac: return MacText(record).empty() ? HexPairs(a) : MacText(record);
    case AttributeShow::Capabilities: return Capabilities(a.value[0]);
    case AttributeShow::Firmware: return IsPrintableAscii(AllBytes(a)) ? AllBytes(a) : HexPairs(a);
    case AttributeShow::PrintActivity: return a.value[0] != 0 ? "busy" : "idle";
    case AttributeShow::PortStatus: return PortStatus(a.value[0]);
  }
  return Opaque(a);
}

std::string AttributeLine(const nic::AttributeRecord& record, const nic::Attribute& a) {
  // The MAC line, shown at 247, already holds 248's half.
  if (a.tag == nic::tag::kMacLow && !MacText(record).empty()) return {};
  const AttributeField* field = AttributeFieldByTag(a.tag);
  if (field == nullptr) return ReportLine("attribute " + std::to_string(a.tag), Opaque(a));
  return ReportLine(field->label, Shown(record, a, field->show));
}

}  // namespace

std::string AttributeLines(const nic::AttributeRecord& record) {
  std::string out;
  for (const nic::Attribute& a : record.items) {
    if (a.present) out += AttributeLine(record, a);
  }
  return out;
}
