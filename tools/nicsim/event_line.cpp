#include "tools/nicsim/event_line.h"

namespace nicsim {
namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

bool IsPrintEvent(const Event& event) { return event.kind == "connect" || event.kind == "job"; }

}  // namespace

std::string FormatEventLine(const Event& event) {
  std::string line = event.kind + " " + event.nicIp + " " + event.peerIp + ":" +
                     std::to_string(event.peerPort) + " " + std::to_string(event.localPort) + " ";
  if (IsPrintEvent(event)) return line + event.path + " " + std::to_string(event.size);
  if (event.kind == "wrote") {
    line += event.mac;
    for (const std::string& value : event.written) line += " " + value;
    return line;
  }
  return line + Hex(event.bytes);
}

}  // namespace nicsim
