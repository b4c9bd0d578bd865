#include "nicconf/view/core/status_dialog_content.h"

#include <gtest/gtest.h>

#include "nicconf/view/core/tests/polled_status.h"

namespace nic {
namespace {

PrinterPictureInfo Ready() { return test::ReadyPrinter(); }

PrinterPictureInfo Silent() {
  PrinterPictureInfo info{};
  info.family = -1;
  return info;
}

TEST(StatusDialogContent, ShowsTheInterpretedStatusAndTheHintAfterTheRoutePath) {
  const StatusDialogContent ready = StatusDialogShows(Ready(), false, false);
  EXPECT_EQ(ready.headline, "プリンタレディ");
  EXPECT_EQ(ready.detail, "印刷できます。");
  const StatusDialogContent hinted = StatusDialogShows(Silent(), true, false);
  EXPECT_EQ(hinted.headline, "応答無し");
  EXPECT_EQ(hinted.detail, std::string("プリンタから応答がありません。\nプリンタの電源およびネットワーク接続を確認してください。\n") +
                               kAddressHint);
}

// ON wakes a printer that is off; OFF switches off one that answers.
TEST(StatusDialogContent, PowerButtonsFollowTheAnswerAndTheBoard) {
  const StatusDialogContent off = StatusDialogShows(Silent(), false, true);
  EXPECT_TRUE(off.onEnabled);
  EXPECT_FALSE(off.offEnabled);
  const StatusDialogContent on = StatusDialogShows(Ready(), false, true);
  EXPECT_FALSE(on.onEnabled);
  EXPECT_TRUE(on.offEnabled);
  const StatusDialogContent plain = StatusDialogShows(Silent(), false, false);
  EXPECT_FALSE(plain.onEnabled || plain.offEnabled);
}

TEST(StatusDialogContent, RemotePowerBoardsAreToldByTheirMacPrefixInEitherCase) {
  EXPECT_TRUE(RemotePowerByMac("0A:5E:91:22:00:07"));
  EXPECT_TRUE(RemotePowerByMac("0a:5e:91:00:00:00"));
  EXPECT_FALSE(RemotePowerByMac("00:80:87:22:00:07"));
  EXPECT_FALSE(RemotePowerByMac("0A:5E:9"));
  EXPECT_FALSE(RemotePowerByMac(nullptr));
}

}  // namespace
}  // namespace nic
