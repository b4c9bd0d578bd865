#include "nicconf/view/core/remote_power.h"

#include <gtest/gtest.h>

#include <cstring>

namespace nic {
namespace {

PrinterRecord Printer(const char* name, const char* ip, const char* mac, const char* protocol = "TCP/IP") {
  PrinterRecord r{};
  std::strcpy(r.name, name);
  std::strcpy(r.ip, ip);
  std::strcpy(r.mac, mac);
  std::strcpy(r.protocol, protocol);
  return r;
}

std::vector<std::string> Names(const std::vector<PrinterRecord>& rows) {
  std::vector<std::string> names;
  for (const PrinterRecord& r : rows) names.emplace_back(r.name);
  return names;
}

TEST(RemotePower, OnlyTcpIpPrintersBehindARemotePowerNicAreCandidates) {
  const PrinterRecord listed[] = {Printer("A", "10.0.0.1", "0A:5E:91:00:00:01"),
                                  Printer("B", "10.0.0.2", "00:80:87:00:00:02"),
                                  Printer("C", "10.0.0.3", "0a:5e:91:00:00:03"),
                                  Printer("D", "10.0.0.4", "0A:5E:91:00:00:04", "NetWare")};
  EXPECT_EQ(Names(PowerCandidates(listed)), (std::vector<std::string>{"A", "C"}));
}

TEST(RemotePower, RowsSortByNameFirstThenByTheClickedColumnWithAddressesAsNumbers) {
  std::vector<PrinterRecord> rows{Printer("ZETA", "10.0.0.9", "0A:5E:91:00:00:01"),
                                  Printer("alpha", "10.0.0.10", "0A:5E:91:00:00:02"),
                                  Printer("Mid", "10.0.0.2", "0A:5E:91:00:00:03")};
  SortPowerRows(rows, {});
  EXPECT_EQ(Names(rows), (std::vector<std::string>{"alpha", "Mid", "ZETA"}));
  ListSort sort = ClickColumn({}, ListColumn::Ip);
  SortPowerRows(rows, sort);
  EXPECT_EQ(Names(rows), (std::vector<std::string>{"Mid", "ZETA", "alpha"}));  // .2, .9, .10
  SortPowerRows(rows, ClickColumn(sort, ListColumn::Ip));
  EXPECT_EQ(Names(rows), (std::vector<std::string>{"alpha", "ZETA", "Mid"}));
}

TEST(RemotePower, ThePowerOffIsRefusedByTheNicOrAnAlarmElseAsked) {
  EXPECT_EQ(CheckPowerOff(1, 0, 1), PowerOffVerdict::Refused);
  EXPECT_EQ(CheckPowerOff(1, 1, 0), PowerOffVerdict::Refused);  // refused comes first
  EXPECT_EQ(CheckPowerOff(0, 1, 0), PowerOffVerdict::InAlarm);
  EXPECT_EQ(CheckPowerOff(0, 1, 1), PowerOffVerdict::Ask);       // allowed in an alarm
  EXPECT_EQ(CheckPowerOff(0, 2, 0), PowerOffVerdict::Ask);       // paper out is not offline
  EXPECT_EQ(PowerOffQuestion(Printer("KABA", "10.0.0.6", "0A:5E:91:00:00:06"), 45),
            "KABA (10.0.0.6)のリモート電源オフの待ち時間は 45 秒に設定されています。\nリモート電源オフを行いますか？");
  EXPECT_EQ(PowerDialogLabel(PowerDirection::Off), "リモート電源オフするプリンタを選択してください。");
}

}  // namespace
}  // namespace nic
