// Where message data ends, however it is split across receives.

#include "tools/smtpsink/data_end_scanner.h"

#include <gtest/gtest.h>

namespace smtpsink::test {
namespace {

constexpr auto kNotYet = std::string_view::npos;

TEST(DataEndScanner, EmptyMessageEndsRightAfterData) {
  DataEndScanner scanner;
  scanner.Begin(true);
  EXPECT_EQ(scanner.Scan(".\r\nQUIT\r\n"), 3u);
}

TEST(DataEndScanner, EndSplitAcrossReceivesIsFound) {
  DataEndScanner scanner;
  scanner.Begin(true);
  EXPECT_EQ(scanner.Scan("text\r\n."), kNotYet);
  EXPECT_EQ(scanner.Scan("\r"), kNotYet);
  EXPECT_EQ(scanner.Scan("\nQUIT\r\n"), 1u);
}

TEST(DataEndScanner, DotLinesInsideTheMessageDoNotEndIt) {
  DataEndScanner scanner;
  scanner.Begin(true);
  const std::string_view text = "..stuffed\r\n.x\r\n. \r\nbare\n.\nlf\r\r\n.\r\r\n.\r\n";
  EXPECT_EQ(scanner.Scan(text), text.size());
}

TEST(DataEndScanner, DataEndedByBareLineFeedNeedsAFullEnd) {
  DataEndScanner scanner;
  scanner.Begin(false);
  EXPECT_EQ(scanner.Scan(".\r\n"), kNotYet);
  EXPECT_EQ(scanner.Scan("\r\n.\r\n"), 5u);
}

}  // namespace
}  // namespace smtpsink::test
