#include "tools/nicctl/read_report.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/bounded_text.h"
#include "nicproto/status_text.h"

namespace {

// A NIC as a read finds it: attributes, status text and extended text.
std::unique_ptr<ReadOutcome> ReadNic() {
  auto o = std::make_unique<ReadOutcome>();
  o->ip = "127.0.1.2";
  o->status.endCode = nic::kFinished;
  nic::TransactionBlock& b = o->block;
  b.attrReplied = 1;
  nic::AttributeRecord& r = b.attributes;
  nic::SetIpAttribute(r, nic::tag::kIpAddress, "127.0.1.2");
  nic::SetTextAttribute(r, nic::tag::kName, "READY");
  nic::SetByteAttribute(r, nic::tag::kAccessPeriod, 30);
  nic::SetPassword(r, "hunter2");
  nic::SetIpAttribute(r, nic::tag::kSubnetMask, "255.255.255.0");
  nic::SetMacText(r, "00:80:87:01:00:02");
  nic::SetByteAttribute(r, nic::tag::kCapabilities, 0x64);
  nic::SetTextAttribute(r, nic::tag::kDescription, "NRV FastEthernet 1");
  const std::uint8_t firmware[] = {'1', '.', '0', '0', 'a'};
  nic::SetAttribute(r, nic::tag::kFirmwareVersion, firmware, sizeof firmware);
  nic::SetByteAttribute(r, nic::tag::kPrintActivity, 1);
  nic::SetByteAttribute(r, nic::tag::kPortStatus, 3);
  const std::uint8_t opaque[] = {0x01, 0xFF};
  nic::SetAttribute(r, 33, opaque, sizeof opaque);
  nic::SetTextAttribute(r, 6, "six");
  b.statusReceived = 1;
  const char text[] = "MFG:MAKER;MDL:LP-9800C;EXTSTS:0000000000000000;";
  nic::ParseStatusText(text, sizeof text - 1, b.status);
  return o;
}

TEST(NicctlReadReport, NamesTheAttributesWithAMeaning) {
  const std::string report = ReadReport(*ReadNic());
  EXPECT_NE(report.find("NIC 127.0.1.2 00:80:87:01:00:02\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  IP address                127.0.1.2\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  name                      READY\n"), std::string::npos);
  EXPECT_NE(report.find("  access period (0.1 s)     30\n"), std::string::npos);
  EXPECT_NE(report.find("  subnet mask               255.255.255.0\n"), std::string::npos);
  EXPECT_NE(report.find("  MAC address               00:80:87:01:00:02\n"), std::string::npos);
  EXPECT_EQ(report.find("attribute 248"), std::string::npos) << "one MAC line for both halves";
  EXPECT_NE(report.find("  description               NRV FastEthernet 1\n"), std::string::npos);
  EXPECT_NE(report.find("  firmware version          1.00a\n"), std::string::npos);
  EXPECT_NE(report.find("  print activity            busy\n"), std::string::npos);
  EXPECT_NE(report.find("  port status               0x03 (offline, paper out)\n"),
            std::string::npos);
}

TEST(NicctlReadReport, NeverShowsThePassword) {
  const std::string report = ReadReport(*ReadNic());
  EXPECT_NE(report.find("  password                  (set)\n"), std::string::npos) << report;
  EXPECT_EQ(report.find("hunter2"), std::string::npos);
}

TEST(NicctlReadReport, DecodesTheCapabilityBits) {
  auto o = ReadNic();
  EXPECT_NE(ReadReport(*o).find("capabilities              0x64 (TCP/IP, NetWare, AppleTalk)\n"),
            std::string::npos);
  nic::SetByteAttribute(o->block.attributes, nic::tag::kCapabilities, 0x20);
  EXPECT_NE(ReadReport(*o).find("capabilities              0x20 (TCP/IP, command protocol)\n"),
            std::string::npos);
}

TEST(NicctlReadReport, OtherAttributesByTag) {
  const std::string report = ReadReport(*ReadNic());
  EXPECT_NE(report.find("  attribute 33              01 FF\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  attribute 6               \"six\"\n"), std::string::npos);
}

TEST(NicctlReadReport, StatusTextFieldsThatAreSet) {
  const std::string report = ReadReport(*ReadNic());
  EXPECT_NE(report.find("status text\n  MFG                       MAKER\n"
                        "  MDL                       LP-9800C\n"),
            std::string::npos) << report;
  EXPECT_EQ(report.find("EXTSTS"), std::string::npos);
  EXPECT_EQ(report.find("CMD"), std::string::npos);
}

TEST(NicctlReadReport, ExtendedTextOnlyWhenItArrived) {
  auto o = ReadNic();
  nic::SetExtendedText(o->block.extendedText, "O=OFFICE");
  EXPECT_EQ(ReadReport(*o).find("O=OFFICE"), std::string::npos);
  o->block.extReplied = 1;
  EXPECT_NE(ReadReport(*o).find("  NDS context               O=OFFICE\n"), std::string::npos);
}

TEST(NicctlReadReport, ConfigurationItemsByName) {
  auto o = ReadNic();
  o->configAsked = true;
  EXPECT_NE(ReadReport(*o).find("configuration: not read, the NIC takes no commands\n"),
            std::string::npos);
  nic::SetByteAttribute(o->block.attributes, nic::tag::kCapabilities, 0x20);
  EXPECT_NE(ReadReport(*o).find("configuration: no reply\n"), std::string::npos);
  nic::ConfigItemList& c = o->config.emplace();
  nic::SetConfigIp(c, nic::config::kGateway, "127.0.0.1");
  nic::SetConfigWord(c, 5, 300);
  nic::SetConfigByte(c, 8, 5);
  nic::SetConfigText(c, nic::config::kName, "READY");
  nic::SetConfigDword(c, 161, 70000);
  nic::SetConfigByte(c, 128, 0xAB);
  nic::SetConfigValue(c, 4, "ZZ", 2);
  const std::string report = ReadReport(*o);
  EXPECT_NE(report.find("configuration\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  default gateway           127.0.0.1\n"), std::string::npos);
  EXPECT_NE(report.find("  link idle time-out (s)    300\n"), std::string::npos);
  EXPECT_NE(report.find("  FTP time-out (min)        5\n"), std::string::npos);
  EXPECT_NE(report.find("  counter 161               70000\n"), std::string::npos);
  EXPECT_NE(report.find("  item 128                  171\n"), std::string::npos);
  EXPECT_NE(report.find("  max print links           \"ZZ\"\n"), std::string::npos)
      << "a value that is no hex is shown as it came";
}

TEST(NicctlReadReport, NoReplyGivesTheEndCodeAndAnyOtherNic) {
  ReadOutcome o;
  o.ip = "127.0.1.8";
  o.status = {nic::kTimedOut, 0};
  o.otherMac = "00:80:87:01:00:18";
  o.otherName = "SHARED-B";
  const std::string report = ReadReport(o);
  EXPECT_NE(report.find("127.0.1.8: no reply, end code 7 (no answer within the time-out)\n"),
            std::string::npos) << report;
  EXPECT_NE(report.find("  other NIC at the address  00:80:87:01:00:18 SHARED-B\n"),
            std::string::npos);
}

TEST(NicctlReadReport, ControlCharactersFromTheNicAreNotPassedOn) {
  auto o = ReadNic();
  nic::SetTextAttribute(o->block.attributes, nic::tag::kName, "A\x1B[2JB");
  EXPECT_NE(ReadReport(*o).find("  name                      A?[2JB\n"), std::string::npos);
}

}  // namespace
