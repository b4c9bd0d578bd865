#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "portmon/core/hbm_reply.h"
#include "portmon/core/printer_state.h"

namespace portmon {
namespace {

using namespace std::string_literals;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Text(std::optional<std::span<const std::uint8_t>> value) {
  return value ? std::string(value->begin(), value->end()) : "<none>";
}

TEST(HbmReply, TlvsAreWalkedFromAfterTheFirstHbm) {
  const auto reply = Bytes("xxhbm\x07\x03" "PRN\xFB\x05" "1.00a\x01\x00"s);
  EXPECT_EQ(Text(FindReplyAttribute(reply, 0xFB)), "1.00a");
  EXPECT_EQ(Text(FindReplyAttribute(reply, 0x07)), "PRN");
  EXPECT_EQ(Text(FindReplyAttribute(reply, 0x01)), "");
  EXPECT_EQ(Text(FindReplyAttribute(reply, 0xF7)), "<none>");
  EXPECT_EQ(Text(FindReplyAttribute(Bytes("\x07\x01X"), 0x07)), "<none>");
}

TEST(HbmReply, ATruncatedTlvEndsTheWalk) {
  const auto reply = Bytes("hbm\x07\x01X\xFB\x09" "1.00a");
  EXPECT_EQ(Text(FindReplyAttribute(reply, 0x07)), "X");
  EXPECT_EQ(Text(FindReplyAttribute(reply, 0xFB)), "<none>");
  EXPECT_EQ(Text(FindReplyAttribute(Bytes("hbm\xFB"), 0xFB)), "<none>");
}

struct State {
  bool complete;
  std::uint32_t words[3];
};

State Read(const std::string& items, std::uint32_t word0 = 0xF0) {
  State state{false, {word0, 0xAAAA, 0xBBBB}};
  state.complete = ReadPrinterState(Bytes("NAK\x02\x00\x00"s + items), state.words);
  return state;
}

TEST(PrinterState, FlagsSetOrClearOnlyTheirBits) {
  State s = Read("\x01" "7F000001;%00;&01;'001E;(00;");
  EXPECT_TRUE(s.complete);
  EXPECT_EQ(s.words[0], 0xF1u);
  EXPECT_EQ(s.words[1], 30u);
  EXPECT_EQ(s.words[2], 0u);
  s = Read("(0a;'ffff;&00;%01;", 0x7);
  EXPECT_TRUE(s.complete);
  EXPECT_EQ(s.words[0], 0x6u);
  EXPECT_EQ(s.words[1], 0xFFFFu);
  EXPECT_EQ(s.words[2], 10u);
}

TEST(PrinterState, ValuesAreReadWithinTheirFirstFiveCharacters) {
  State s = Read("%1;&;'123456789;(G");
  EXPECT_TRUE(s.complete);
  EXPECT_EQ(s.words[0], 0xF7u);  // one character has no second one: not '1'
  EXPECT_EQ(s.words[1], 0x12345u);
  EXPECT_EQ(s.words[2], 16u);
  s = Read("%01;&01;';(1.5;");
  EXPECT_EQ(s.words[1], 0u);
  EXPECT_EQ(s.words[2], 1u);
}

TEST(PrinterState, AMissingItemEndsTheReadingKeepingWhatWasSet) {
  State s = Read("%00;&00;(05;");
  EXPECT_FALSE(s.complete);
  EXPECT_EQ(s.words[0], 0xF3u);
  EXPECT_EQ(s.words[1], 0xAAAAu);
  EXPECT_EQ(s.words[2], 0xBBBBu);
  std::uint32_t words[3] = {1, 2, 3};
  EXPECT_FALSE(ReadPrinterState(Bytes("NAK\x02"), words));
  EXPECT_EQ(words[0], 1u);
  // A key byte inside another item's value is no item.
  EXPECT_FALSE(Read("\x10" "A%01&01'01(01;").complete);
}

}  // namespace
}  // namespace portmon
