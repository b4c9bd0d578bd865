#include "nicconf/view/core/list_columns.h"

#include "common/ipv4_text.h"
#include "common/shift_jis.h"
#include "nicproto/mac_text.h"

namespace nic {
namespace {

constexpr char kTcpIp[] = "TCP/IP";

// The list's texts are Shift_JIS: only ASCII letters fold, and a trail byte
// is never taken for one.
int CompareFolded(const char* a, const char* b) {
  for (;; ++a, ++b) {
    unsigned char x = static_cast<unsigned char>(*a);
    unsigned char y = static_cast<unsigned char>(*b);
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 'a' + 'A');
    if (x != y || x == 0) return x - y;
    if (IsShiftJisLeadByte(x) && a[1] != '\0' && b[1] != '\0') {
      ++a, ++b;
      if (*a != *b) return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
    }
  }
}

}  // namespace

std::vector<ListColumn> ShownColumns(const ViewSettings& s) {
  std::vector<ListColumn> columns{ListColumn::Name};
  const std::pair<bool, ListColumn> rest[] = {
      {s.showModel, ListColumn::Model},   {s.showMac, ListColumn::Mac},
      {s.showIp, ListColumn::Ip},         {s.showNetnum, ListColumn::Netnum},
      {s.showVersion, ListColumn::Version}, {s.showStatus, ListColumn::Status},
  };
  for (const auto& [shown, column] : rest)
    if (shown) columns.push_back(column);
  return columns;
}

std::string ColumnText(const PrinterRecord& r, ListColumn column, const ItemStatus* status) {
  switch (column) {
    case ListColumn::Name: return r.name;
    case ListColumn::Model: return r.model;
    case ListColumn::Mac: return r.mac;
    case ListColumn::Ip: return r.ip;
    case ListColumn::Netnum:
      if (std::string(r.protocol) == kTcpIp || (status != nullptr && status->networkHidden)) return kNotYet;
      return r.netnum;
    case ListColumn::Version: return r.version;
    case ListColumn::Status: return status != nullptr ? status->title : kNotYet;
  }
  return "";
}

int CompareByColumn(const PrinterRecord& a, const PrinterRecord& b, ListColumn column) {
  switch (column) {
    case ListColumn::Name: return CompareFolded(a.name, b.name);
    case ListColumn::Model: return CompareFolded(a.model, b.model);
    case ListColumn::Mac: return CompareMacText(a.mac, b.mac);
    case ListColumn::Ip: return CompareIpText(a.ip, b.ip);
    case ListColumn::Netnum: return CompareFolded(a.netnum, b.netnum);
    case ListColumn::Version: return CompareFolded(a.version, b.version);
    case ListColumn::Status: return CompareFolded(a.status, b.status);
  }
  return 0;
}

ListSort ClickColumn(ListSort current, ListColumn clicked) {
  if (current.direction != 0 && current.column == clicked) return {clicked, -current.direction};
  return {clicked, +1};
}

}  // namespace nic
