#include "tools/nicctl/report_line.h"

namespace {

constexpr std::size_t kLabelWidth = 26;

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::string ReportLine(const std::string& label, const std::string& value) {
  std::string out = "  " + label;
  out.append(label.size() < kLabelWidth ? kLabelWidth - label.size() : 1, ' ');
  for (const char c : value) out += IsControl(c) ? '?' : c;
  return out + "\n";
}
