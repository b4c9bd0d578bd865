#include "nicconf/wizard/core/typed_printer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/bounded_text.h"

namespace nic {
namespace {

// What a NIC at the typed address answers: its MAC and address, name,
// version, and a description when given.
TransactionBlock Answer(const char* description = "NRV NIC") {
  TransactionBlock block;
  block.attrReplied = 1;
  const std::uint8_t high[] = {0x00, 0x80, 0x87}, low[] = {0x22, 0x00, 0x02};
  SetAttribute(block.attributes, tag::kMacHigh, high, sizeof high);
  SetAttribute(block.attributes, tag::kMacLow, low, sizeof low);
  const std::uint8_t ip[] = {127, 0, 22, 2};
  SetAttribute(block.attributes, tag::kIpAddress, ip, sizeof ip);
  SetAttribute(block.attributes, tag::kName, reinterpret_cast<const std::uint8_t*>("REDI"), 4);
  SetAttribute(block.attributes, tag::kFirmwareVersion, reinterpret_cast<const std::uint8_t*>("2.10 "), 5);
  if (description != nullptr)
    SetAttribute(block.attributes, tag::kDescription, reinterpret_cast<const std::uint8_t*>(description),
                 std::strlen(description));
  block.statusReceived = 1;
  CopyBoundedText(block.status.mdl, "LP-9800C");
  return block;
}

TEST(TypedPrinter, AnAnswerOfThisMakerWithTheTypedMacIsRegisteredFromTheReply) {
  const TransactionBlock block = Answer();
  PrinterRecord record{};
  EXPECT_EQ(TypedPrinterFromRead(&block, "00:80:87:22:00:02", record), TypedAnswer::Registered);
  EXPECT_STREQ(record.name, "REDI");
  EXPECT_STREQ(record.mac, "00:80:87:22:00:02");
  EXPECT_STREQ(record.ip, "127.0.22.2");
  EXPECT_STREQ(record.model, "LP-9800C");
  EXPECT_STREQ(record.version, "2.10 ");
  EXPECT_STREQ(record.netnum, "00000000");
  EXPECT_STREQ(record.protocol, "TCP/IP");
  // Without a description the NIC is not taken for another maker's.
  const TransactionBlock plain = Answer(nullptr);
  EXPECT_EQ(TypedPrinterFromRead(&plain, "00:80:87:22:00:02", record), TypedAnswer::Registered);
}

TEST(TypedPrinter, AnotherMakerAnotherMacOrNoAnswerSendTheUserBack) {
  PrinterRecord record{};
  const TransactionBlock other = Answer("Other Corp. NIC");
  EXPECT_EQ(TypedPrinterFromRead(&other, "00:80:87:22:00:02", record), TypedAnswer::OtherMaker);
  EXPECT_EQ(TypedAnswerText(TypedAnswer::OtherMaker),
            "この IP アドレスは、NRV 製以外のプリンタに割り当てられています。");
  const TransactionBlock block = Answer();
  EXPECT_EQ(TypedPrinterFromRead(&block, "00:80:87:22:00:03", record), TypedAnswer::OtherMac);
  EXPECT_EQ(TypedAnswerText(TypedAnswer::OtherMac), "この IP アドレスは、他の MAC アドレスに割り当てられています。");
  EXPECT_EQ(TypedPrinterFromRead(nullptr, "00:80:87:22:00:02", record), TypedAnswer::NoAnswer);
  TransactionBlock noMac;
  noMac.attrReplied = 1;
  EXPECT_EQ(TypedPrinterFromRead(&noMac, "00:80:87:22:00:02", record), TypedAnswer::NoAnswer);
  EXPECT_STREQ(record.name, "");
}

TEST(TypedPrinter, WithoutAnAnswerItIsANewPrinterAtTheTypedAddress) {
  const PrinterRecord record = UnansweredPrinter("127.0.22.99", "00:80:87:22:00:99", "00000000", "TCP/IP");
  EXPECT_STREQ(record.name, "新しいプリンタ");
  EXPECT_STREQ(record.ip, "127.0.22.99");
  EXPECT_STREQ(record.mac, "00:80:87:22:00:99");
  EXPECT_STREQ(record.protocol, "TCP/IP");
  EXPECT_STREQ(record.status, "");
}

}  // namespace
}  // namespace nic
