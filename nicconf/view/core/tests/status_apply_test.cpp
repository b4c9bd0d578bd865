#include "nicconf/view/core/status_apply.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/bounded_text.h"
#include "nicconf/view/core/tests/polled_status.h"

namespace nic {
namespace {

PrinterRecord Registered(const char* protocol) {
  PrinterRecord r{};
  CopyBoundedText(r.model, "OLD-MODEL");
  CopyBoundedText(r.version, "0.9");
  CopyBoundedText(r.netnum, "0000003C");
  CopyBoundedText(r.protocol, protocol);
  return r;
}

PrinterPictureInfo Answered(const char* model) { return test::ReadyPrinter(model); }

TEST(StatusApply, AnAnsweringPrinterGivesItsTagTitleModelAndVersion) {
  PrinterRecord r = Registered("TCP/IP");
  const ItemStatus shown = ApplyPolledStatus(r, Answered("LP-9800C"), "1.00a", false);
  EXPECT_EQ(shown.title, "プリンタレディ");
  EXPECT_FALSE(shown.networkHidden);
  EXPECT_STREQ(r.status, "<STATE_READY>");
  EXPECT_STREQ(r.model, "LP-9800C");
  EXPECT_STREQ(r.version, "1.00a");
}

TEST(StatusApply, ASilentTcpIpPrinterKeepsWhatItToldBefore) {
  PrinterRecord r = Registered("TCP/IP");
  const ItemStatus shown = ApplyPolledStatus(r, PrinterPictureInfo{}, "", false);
  EXPECT_EQ(shown.title, "応答無し");
  EXPECT_STREQ(r.status, "<STATE_NO_RESPONSE>");
  EXPECT_STREQ(r.model, "OLD-MODEL");
  EXPECT_STREQ(r.version, "0.9");
}

TEST(StatusApply, ANetWarePrinterWithoutACompleteStatusShowsDashesButKeepsItsNetwork) {
  PrinterRecord r = Registered("NetWare");
  PrinterPictureInfo probeOnly = Answered("LP-9800C");
  probeOnly.statusReceived = 0;
  const ItemStatus shown = ApplyPolledStatus(r, probeOnly, "1.00a", true);
  EXPECT_TRUE(shown.networkHidden);
  EXPECT_STREQ(r.model, "-----");
  EXPECT_STREQ(r.version, "-----");
  EXPECT_STREQ(r.netnum, "0000003C");
  EXPECT_EQ(ColumnText(r, ListColumn::Netnum, &shown), "-----");

  const ItemStatus complete = ApplyPolledStatus(r, Answered(""), "1.00a", true);
  EXPECT_FALSE(complete.networkHidden);
  EXPECT_STREQ(r.model, "-----");  // the reply left it empty
  EXPECT_STREQ(r.version, "1.00a");
}

TEST(StatusApply, WithoutTcpIpTheItemCannotBeSentTo) {
  PrinterRecord r = Registered("TCP/IP");
  EXPECT_EQ(ApplyCannotSend(r).title, "通信できません");
  EXPECT_STREQ(r.status, "<STATE_NO_SENDING>");
}

}  // namespace
}  // namespace nic
