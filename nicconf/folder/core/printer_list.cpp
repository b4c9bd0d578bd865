#include "nicconf/folder/core/printer_list.h"

#include <cstdio>
#include <cstdlib>

#include "common/bounded_text.h"

namespace nic {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool HasText(std::string_view line) {
  for (char c : line)
    if (!IsBlank(c)) return true;
  return false;
}

// Up to nine fields ended by commas, and a tenth up to its first blank.
std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (fields.size() < 9) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) break;
    fields.push_back(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  std::size_t end = 0;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  fields.push_back(line.substr(0, end));
  return fields;
}

std::uint32_t DecimalField(std::string_view field) {
  const std::string text(field);
  return static_cast<std::uint32_t>(std::strtoll(text.c_str(), nullptr, 10));
}

PrinterRecord RecordOfLine(std::string_view line) {
  PrinterRecord record{};
  CopyBoundedText(record.name, "-----");
  CopyBoundedText(record.mac, "-----");
  CopyBoundedText(record.ip, "-----");
  CopyBoundedText(record.netnum, "-----");
  CopyBoundedText(record.protocol, "TCP/IP");
  const auto fields = SplitFields(line);
  auto take = [&](std::size_t index, auto& field) {
    if (index < fields.size()) CopyBoundedText(field, fields[index].data(), fields[index].size());
  };
  take(0, record.name);
  take(2, record.mac);
  take(3, record.ip);
  take(4, record.netnum);
  take(7, record.protocol);
  if (fields.size() > 8) record.value1 = DecimalField(fields[8]);
  if (fields.size() > 9) record.value2 = DecimalField(fields[9]);
  // Read only to be asked of the printer again.
  CopyBoundedText(record.model, "-----");
  CopyBoundedText(record.version, "-----");
  CopyBoundedText(record.status, "<STATE_UNKNOWN>");
  return record;
}

void AppendField(std::string& out, const char* field, std::size_t width) {
  for (std::size_t i = 0; i < width && field[i] != '\0'; ++i) {
    const char c = field[i];
    out.push_back(c == ',' || c == '\r' || c == '\n' ? ' ' : c);
  }
}

}  // namespace

bool ParsePrinterList(std::string_view text, std::vector<PrinterRecord>& records) {
  text = text.substr(0, text.find('\0'));
  std::vector<PrinterRecord> parsed;
  while (parsed.size() < kMaxListLines && !text.empty()) {
    const std::size_t feed = text.find('\n');
    const std::string_view line = text.substr(0, feed);
    text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
    if (HasText(line)) parsed.push_back(RecordOfLine(line));
  }
  if (parsed.empty()) return false;
  records = std::move(parsed);
  return true;
}

std::string FormatPrinterList(std::span<const PrinterRecord> records) {
  std::string out;
  for (const PrinterRecord& r : records) {
    const char* texts[] = {r.name, r.model, r.mac, r.ip, r.netnum, r.version, r.status, r.protocol};
    const std::size_t widths[] = {sizeof r.name,   sizeof r.model,   sizeof r.mac,
                                  sizeof r.ip,     sizeof r.netnum,  sizeof r.version,
                                  sizeof r.status, sizeof r.protocol};
    for (std::size_t i = 0; i < 8; ++i) {
      AppendField(out, texts[i], widths[i]);
      out.push_back(',');
    }
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%d,%d\r\n", static_cast<int>(r.value1),
                  static_cast<int>(r.value2));
    out += numbers;
  }
  return out;
}

}  // namespace nic
