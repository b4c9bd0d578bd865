#include "tools/nicsim/nic_setting.h"

#include <charconv>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>

#include "nicproto/mac_text.h"
#include "tools/nicsim/nic_values.h"
#include "tools/shared/loopback_socket.h"

namespace nicsim {
namespace {

using Setter = std::function<bool(SimNic&, const std::string&)>;

template <typename T>
bool ParseNumber(const std::string& text, T& out) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* first = text.data() + (hex ? 2 : 0);
  const char* last = text.data() + text.size();
  std::uint64_t value = 0;
  const auto [end, failed] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (failed != std::errc() || end != last || first == last ||
      value > std::numeric_limits<T>::max()) {
    return false;
  }
  out = static_cast<T>(value);
  return true;
}

bool ParseFlag(const std::string& text, bool& out) {
  static const std::map<std::string, bool> kWords = {
      {"true", true}, {"yes", true}, {"on", true}, {"1", true},
      {"false", false}, {"no", false}, {"off", false}, {"0", false}};
  const auto it = kWords.find(text);
  if (it == kWords.end()) return false;
  out = it->second;
  return true;
}

bool ParseFault(const std::string& text, Fault& out) {
  static const std::map<std::string, Fault> kFaults = {{"none", Fault::None},
                                                       {"silent", Fault::Silent},
                                                       {"nostatus", Fault::NoStatusDatagram},
                                                       {"othermaker", Fault::OtherMaker},
                                                       {"twice", Fault::AnswersTwice},
                                                       {"refusewrites", Fault::RefusesWrites}};
  const auto it = kFaults.find(text);
  if (it == kFaults.end()) return false;
  out = it->second;
  return true;
}

bool ParseMac(const std::string& text, std::string& out) {
  nic::Mac mac{};
  if (!nic::ParseMacText(text.c_str(), mac)) return false;
  char canonical[nic::kMacTextSize];
  nic::FormatMacText(mac, canonical);
  out = canonical;
  return true;
}

// One to eight hex digits, kept as eight upper-case ones; empty takes the
// NIC off IPX.
bool ParseIpxNetwork(const std::string& text, std::string& out) {
  if (text.empty()) {
    out.clear();
    return true;
  }
  std::uint32_t value = 0;
  const char* last = text.data() + text.size();
  const auto [end, failed] = std::from_chars(text.data(), last, value, 16);
  if (failed != std::errc() || end != last || text.size() > 8) return false;
  char canonical[9];
  std::snprintf(canonical, sizeof canonical, "%08X", static_cast<unsigned>(value));
  out = canonical;
  return true;
}

bool ParseAddress(const std::string& text, std::string& out) {
  if (!tools::IsServableAddress(text)) return false;
  out = text;
  return true;
}

template <typename T>
Setter Number(T SimNic::*field) {
  return [field](SimNic& nic, const std::string& v) { return ParseNumber(v, nic.*field); };
}
template <typename T>
Setter SinkNumber(T PrintSink::*field) {
  return [field](SimNic& nic, const std::string& v) { return ParseNumber(v, nic.sink.*field); };
}
Setter Flag(bool SimNic::*field) {
  return [field](SimNic& nic, const std::string& v) { return ParseFlag(v, nic.*field); };
}
Setter SinkFlag(bool PrintSink::*field) {
  return [field](SimNic& nic, const std::string& v) { return ParseFlag(v, nic.sink.*field); };
}
Setter Text(std::string SimNic::*field) {
  return [field](SimNic& nic, const std::string& v) {
    nic.*field = v;
    return true;
  };
}

// Printer families 0 to 6 are the even high nibbles 0x0 to 0xC of the
// printer-specific byte; its low nibble is kept.
bool ParseFamily(const std::string& text, std::uint8_t& printerSpecific) {
  std::uint8_t family = 0;
  if (!ParseNumber(text, family) || family > 6) return false;
  printerSpecific = static_cast<std::uint8_t>((family << 5) | (printerSpecific & 0x0F));
  return true;
}

// Values another key sets, so that two keys never fight over one value.
bool IsItemOfAnotherKey(std::uint8_t tag) {
  return tag == nic::config::kIpAddress || tag == nic::config::kName;
}

bool IsAttributeOfAnotherKey(std::uint8_t tag) {
  switch (tag) {
    case nic::tag::kIpAddress:
    case nic::tag::kName:
    case nic::tag::kSubnetMask:  // item.2
    case nic::tag::kProperties:
    case nic::tag::kMacHigh:
    case nic::tag::kMacLow:
    case nic::tag::kCapabilities:
    case nic::tag::kDescription:
    case nic::tag::kFirmwareVersion:
    case nic::tag::kPrintActivity:
    case nic::tag::kPortStatus: return true;
    default: return false;
  }
}

enum class Numbered { No, Applied, Refused };

// "item.N" and "attr.N", N a decimal tag.
Numbered ApplyNumbered(SimNic& nic, const std::string& key, const std::string& value,
                       std::string* error) {
  const bool item = key.rfind("item.", 0) == 0;
  const bool attribute = key.rfind("attr.", 0) == 0;
  if (!item && !attribute) return Numbered::No;
  std::uint8_t tag = 0;
  const std::string number = key.substr(5);
  auto refuse = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    return Numbered::Refused;
  };
  const bool decimal =
      !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
  if (!decimal || !ParseNumber(number, tag)) {
    return refuse("bad tag in '" + key + "'");
  }
  if (item ? IsItemOfAnotherKey(tag) : IsAttributeOfAnotherKey(tag)) {
    return refuse("'" + key + "' is set by its own key");
  }
  if (item) {
    std::string wire;
    if (!ParseItemValue(tag, value, wire)) {
      return refuse("bad value for '" + key + "': '" + value + "'");
    }
    nic.items[tag] = std::move(wire);
    return Numbered::Applied;
  }
  std::vector<std::uint8_t> bytes;
  if (ParseAttributeValue(tag, value, bytes)) {
    nic.attributes[tag] = std::move(bytes);
    return Numbered::Applied;
  }
  return refuse("bad value for '" + key + "': '" + value + "'");
}

const std::map<std::string, Setter>& Setters() {
  static const std::map<std::string, Setter> kSetters = {
      {"ip", [](SimNic& n, const std::string& v) { return ParseAddress(v, n.ip); }},
      {"mac", [](SimNic& n, const std::string& v) { return ParseMac(v, n.mac); }},
      {"name", Text(&SimNic::name)},
      {"description", Text(&SimNic::description)},
      {"capability", Number(&SimNic::capability)},
      {"firmware", Text(&SimNic::firmware)},
      {"printActivity", Number(&SimNic::printActivity)},
      {"portStatus", Number(&SimNic::portStatus)},
      {"extendedTextSupported", Flag(&SimNic::extendedTextSupported)},
      {"extendedText", Text(&SimNic::extendedText)},
      {"statusText", Text(&SimNic::statusText)},
      {"model", Text(&SimNic::model)},
      {"printerSpecific", Number(&SimNic::printerSpecific)},
      {"family", [](SimNic& n, const std::string& v) { return ParseFamily(v, n.printerSpecific); }},
      {"paperSource", Number(&SimNic::paperSource)},
      {"extAlarmBits", Number(&SimNic::extAlarmBits)},
      {"advancedInfo", Flag(&SimNic::advancedInfo)},
      {"advAlarmBits", Number(&SimNic::advAlarmBits)},
      {"memoryKb", Number(&SimNic::memoryKb)},
      {"diskMb", Number(&SimNic::diskMb)},
      {"ipxNetwork", [](SimNic& n, const std::string& v) { return ParseIpxNetwork(v, n.ipxNetwork); }},
      {"mail", Flag(&SimNic::mail)},
      {"replyDelayMs", Number(&SimNic::replyDelayMs)},
      {"ignoreProbes", Number(&SimNic::ignoreProbes)},
      {"fault", [](SimNic& n, const std::string& v) { return ParseFault(v, n.fault); }},
      {"sinkListening", SinkFlag(&PrintSink::listening)},
      {"resetAfter", SinkNumber(&PrintSink::resetAfter)},
      {"closeAfter", SinkNumber(&PrintSink::closeAfter)},
      {"stopReading", SinkFlag(&PrintSink::stopReading)},
      {"bytesPerSecond", SinkNumber(&PrintSink::bytesPerSecond)},
  };
  return kSetters;
}

}  // namespace

bool ApplyNicSetting(SimNic& nic, const std::string& key, const std::string& value,
                     std::string* error) {
  switch (ApplyNumbered(nic, key, value, error)) {
    case Numbered::Applied: return true;
    case Numbered::Refused: return false;
    case Numbered::No: break;
  }
  const auto it = Setters().find(key);
  if (it == Setters().end()) {
    if (error != nullptr) *error = "unknown key '" + key + "'";
    return false;
  }
  if (it->second(nic, value)) return true;
  if (error != nullptr) *error = "bad value for '" + key + "': '" + value + "'";
  return false;
}

}  // namespace nicsim
