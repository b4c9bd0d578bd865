#include "nicproto/command_frame.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nicproto/tests/bytes.h"

namespace nic {
namespace {

using test::B;
using test::Bytes;
using test::S;

std::unique_ptr<CommandSlot> Slot() { return std::make_unique<CommandSlot>(); }

TEST(CommandRequest, PayloadLessCommandIsSixBytes) {
  EXPECT_EQ(BuildCommandRequest(2, *Slot(), 0xABCD), B({0xAB, 0xCD, 'N', 'C', 'M', 2}));
  EXPECT_EQ(BuildEmptyCommandRequest(2, 0xABCD), B({0xAB, 0xCD, 'N', 'C', 'M', 2, 0, 0}));
}

TEST(CommandRequest, PowerOffWithoutStoredMacSendsSixFFBytes) {
  EXPECT_EQ(BuildCommandRequest(16, *Slot(), 0x0102),
            B({1, 2, 'N', 'C', 'M', 16, 0, 6, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  auto slot = Slot();
  const std::uint8_t mac[6] = {0x0A, 0x5E, 0x91, 0x69, 0x00, 0x07};
  std::copy(mac, mac + 6, slot->mac);
  EXPECT_EQ(BuildCommandRequest(16, *slot, 0x0102),
            B({1, 2, 'N', 'C', 'M', 16, 0, 6, 0x0A, 0x5E, 0x91, 0x69, 0x00, 0x07}));
}

TEST(CommandRequest, TextPayloadHasLengthAndNoZeroByte) {
  auto slot = Slot();
  SetCommandText(*slot, "hello");
  EXPECT_EQ(BuildCommandRequest(7, *slot, 1), B({0, 1, 'N', 'C', 'M', 7, 0, 5}) + B("hello"));
}

TEST(CommandRequest, ConfigItemsForCommandOne) {
  auto slot = Slot();
  ASSERT_TRUE(SetConfigByte(slot->configItems, 9, 1));
  EXPECT_EQ(BuildCommandRequest(1, *slot, 1), B({0, 1, 'N', 'C', 'M', 1, 0, 4, 9}) + B("01;"));
}

TEST(CommandRequest, UnknownCommandIsRefused) {
  EXPECT_TRUE(BuildCommandRequest(4, *Slot(), 1).empty());
  EXPECT_TRUE(BuildCommandRequest(kNoCommand, *Slot(), 1).empty());
}

TEST(CommandReply, TextLengthIsLimitedToTheDatagram) {
  auto slot = Slot();
  ASSERT_TRUE(ParseCommandReply(S(B("NAK") + B({3, 0x00, 0x40}) + B("short")), *slot));
  EXPECT_EQ(slot->command, 3);
  EXPECT_EQ(slot->state, SlotState::Answered);
  EXPECT_EQ(slot->textLength, 5u);
  EXPECT_STREQ(slot->text, "short");
}

TEST(CommandReply, TextLengthIsLimitedTo1536Bytes) {
  const std::string text(2000, 't');
  auto slot = Slot();
  ASSERT_TRUE(ParseCommandReply(S(B("NAK") + B({35, 0x07, 0xD0}) + B(text)), *slot));
  EXPECT_EQ(slot->textLength, kCommandTextSize);
  EXPECT_EQ(slot->text[kCommandTextSize], '\0');
  EXPECT_EQ(std::string(slot->text), text.substr(0, kCommandTextSize));
}

TEST(CommandReply, CommandsThatAreNeverAnsweredAreRefused) {
  auto slot = Slot();
  EXPECT_FALSE(ParseCommandReply(S(B("NAK") + B({6, 0, 0})), *slot));
  EXPECT_FALSE(ParseCommandReply(S(B("NAK") + B({32, 0, 0})), *slot));
  EXPECT_FALSE(ParseCommandReply(S(B("NAK") + B({4, 0, 0})), *slot));
  EXPECT_FALSE(ParseCommandReply(S(B("NCM") + B({2, 0, 0})), *slot));
  EXPECT_FALSE(ParseCommandReply(S(B("NAK")), *slot));
  EXPECT_EQ(slot->state, SlotState::Free);
}

TEST(CommandReply, ConfigurationAndStatusReplies) {
  auto slot = Slot();
  ASSERT_TRUE(ParseCommandReply(S(B("NAK") + B({2, 0, 4, 38}) + B("00;")), *slot));
  std::uint8_t value = 0xFF;
  ASSERT_TRUE(GetConfigByte(slot->configItems, config::kPowerOffInAlarm, value));
  EXPECT_EQ(value, 0);

  ASSERT_TRUE(ParseCommandReply(S(B("NAK") + B({5, 0, 12}) + B("MDL:LP-9000;extra")), *slot));
  EXPECT_STREQ(slot->status.mdl, "LP-9000");
}

TEST(CommandReply, RepliesWithoutPayloadAreAccepted) {
  auto slot = Slot();
  EXPECT_TRUE(ParseCommandReply(S(B("NAK") + B({16})), *slot));
  EXPECT_TRUE(ParseCommandReply(S(B("NAK") + B({1, 0, 0})), *slot));
  EXPECT_TRUE(ParseCommandReply(S(B("NAK") + B({33, 0})), *slot));  // half a length: empty text
  EXPECT_EQ(slot->textLength, 0u);
}

TEST(CommandSlots, GetOrCreateReusesTheSlotOfACommandAndFillsFreeOnes) {
  CommandSlotList list(2);
  CommandSlot* a = list.GetOrCreate(2);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->state, SlotState::Pending);
  EXPECT_EQ(list.GetOrCreate(2), a);
  CommandSlot* b = list.GetOrCreate(16);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  EXPECT_EQ(list.GetOrCreate(5), nullptr);
  EXPECT_EQ(list.FindAnswered(2), nullptr);
  a->state = SlotState::Answered;
  EXPECT_EQ(list.FindAnswered(2), a);
}

}  // namespace
}  // namespace nic
