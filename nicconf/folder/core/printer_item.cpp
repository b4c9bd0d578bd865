#include "nicconf/folder/core/printer_item.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/bounded_text.h"

namespace nic {
namespace {

constexpr std::size_t kItemTextLimit = 259;

template <std::size_t N>
void DefaultIfEmpty(char (&field)[N], const char* fallback) {
  if (field[0] == '\0') CopyBoundedText(field, fallback);
}

// The eight texts in the item's order, with their widths.
template <typename Record, typename Visit>
void ForEachText(Record& record, Visit visit) {
  visit(record.name, sizeof record.name);
  visit(record.model, sizeof record.model);
  visit(record.mac, sizeof record.mac);
  visit(record.ip, sizeof record.ip);
  visit(record.netnum, sizeof record.netnum);
  visit(record.version, sizeof record.version);
  visit(record.status, sizeof record.status);
  visit(record.protocol, sizeof record.protocol);
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t GetU32(const std::uint8_t* in) {
  return in[0] | (in[1] << 8) | (in[2] << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

}  // namespace

void FillRecordDefaults(PrinterRecord& record) {
  DefaultIfEmpty(record.model, "-----");
  DefaultIfEmpty(record.ip, "-----");
  DefaultIfEmpty(record.netnum, "00000000");
  DefaultIfEmpty(record.version, "-----");
  DefaultIfEmpty(record.status, "<STATE_UNKNOWN>");
  DefaultIfEmpty(record.protocol, "TCP/IP");
}

std::vector<std::uint8_t> PackPrinterItem(PrinterRecord record) {
  FillRecordDefaults(record);
  std::vector<std::uint8_t> item;
  item.reserve(sizeof record);
  ForEachText(std::as_const(record), [&](const char* field, std::size_t width) {
    const std::size_t length = strnlen(field, std::min(width - 1, kItemTextLimit));
    item.insert(item.end(), field, field + length);
    item.push_back(0);
  });
  PutU32(item, record.value1);
  PutU32(item, record.value2);
  item.push_back(0);
  item.push_back(0);
  return item;
}

bool DecodePrinterItem(const std::uint8_t* item, std::size_t size, PrinterRecord& record) {
  PrinterRecord decoded{};
  std::size_t at = 0;
  bool whole = true;
  ForEachText(decoded, [&](char* field, std::size_t width) {
    if (!whole) return;
    const void* end = at < size ? std::memchr(item + at, 0, size - at) : nullptr;
    if (end == nullptr) {
      whole = false;
      return;
    }
    const std::size_t length = static_cast<const std::uint8_t*>(end) - (item + at);
    CopyBoundedText(field, width, reinterpret_cast<const char*>(item + at), length);
    at += length + 1;
  });
  if (!whole || size - at < 10 || item[at + 8] != 0 || item[at + 9] != 0) return false;
  decoded.value1 = GetU32(item + at);
  decoded.value2 = GetU32(item + at + 4);
  record = decoded;
  return true;
}

}  // namespace nic
