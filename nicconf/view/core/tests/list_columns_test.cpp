#include "nicconf/view/core/list_columns.h"

#include <gtest/gtest.h>

#include "common/bounded_text.h"

namespace nic {
namespace {

using C = ListColumn;

PrinterRecord Printer(const char* name, const char* mac, const char* ip, const char* protocol = "TCP/IP") {
  PrinterRecord r{};
  CopyBoundedText(r.name, name);
  CopyBoundedText(r.mac, mac);
  CopyBoundedText(r.ip, ip);
  CopyBoundedText(r.protocol, protocol);
  CopyBoundedText(r.netnum, "0000ABCD");
  return r;
}

TEST(ListColumns, ShownInTheirFixedOrderWithTheNameAlwaysFirst) {
  ViewSettings s;
  EXPECT_EQ(ShownColumns(s), (std::vector<C>{C::Name, C::Model, C::Status}));
  s.showName = false;
  s.showModel = false;
  s.showMac = s.showIp = s.showNetnum = s.showVersion = true;
  EXPECT_EQ(ShownColumns(s), (std::vector<C>{C::Name, C::Mac, C::Ip, C::Netnum, C::Version, C::Status}));
}

TEST(ListColumns, TheNetworkNumberAndStatusShowDashesWhenTheyMeanNothing) {
  const PrinterRecord tcp = Printer("A", "00:80:87:00:00:01", "10.0.0.1");
  const PrinterRecord netware = Printer("B", "00:80:87:00:00:02", "", "NetWare");
  EXPECT_EQ(ColumnText(tcp, C::Netnum, nullptr), "-----");
  EXPECT_EQ(ColumnText(netware, C::Netnum, nullptr), "0000ABCD");
  EXPECT_EQ(ColumnText(tcp, C::Status, nullptr), "-----");
  const ItemStatus incomplete{"応答無し", true};
  EXPECT_EQ(ColumnText(netware, C::Netnum, &incomplete), "-----");
  EXPECT_EQ(ColumnText(netware, C::Status, &incomplete), "応答無し");
  EXPECT_EQ(ColumnText(tcp, C::Ip, nullptr), "10.0.0.1");
}

TEST(ListColumns, MacsDifferingInCaseAreEqualAndAddressesOrderByTheirNumbers) {
  const PrinterRecord upper = Printer("a", "00:80:87:AB:CD:EF", "10.0.0.9");
  const PrinterRecord lower = Printer("A", "00:80:87:ab:cd:ef", "10.0.0.10");
  EXPECT_EQ(CompareByColumn(upper, lower, C::Mac), 0);
  EXPECT_EQ(CompareByColumn(upper, lower, C::Name), 0);
  EXPECT_LT(CompareByColumn(upper, lower, C::Ip), 0);
  const PrinterRecord shorter = Printer("b", "00:80:87:AB:CD", "10.0.0.9");
  EXPECT_LT(CompareByColumn(shorter, upper, C::Mac), 0);
}

TEST(ListColumns, ShiftJisTrailBytesAreNotFoldedAsLetters) {
  // 0x83 0x61 and 0x83 0x41 are two different katakana; folding the trail
  // byte 'a' would make them equal.
  PrinterRecord first = Printer("\x83\x61", "", "");
  PrinterRecord second = Printer("\x83\x41", "", "");
  EXPECT_NE(CompareByColumn(first, second, C::Name), 0);
}

TEST(ListColumns, ASecondClickOnTheSameColumnSortsDescending) {
  ListSort sort;
  sort = ClickColumn(sort, C::Ip);
  EXPECT_EQ(sort.direction, +1);
  sort = ClickColumn(sort, C::Ip);
  EXPECT_EQ(sort.direction, -1);
  sort = ClickColumn(sort, C::Ip);
  EXPECT_EQ(sort.direction, +1);
  sort = ClickColumn(sort, C::Mac);
  EXPECT_EQ(sort.column, C::Mac);
  EXPECT_EQ(sort.direction, +1);
  // The name column clicked first sorts ascending, although it is the default.
  EXPECT_EQ(ClickColumn(ListSort{}, C::Name).direction, +1);
}

}  // namespace
}  // namespace nic
