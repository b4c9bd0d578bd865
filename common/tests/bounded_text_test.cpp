#include "common/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(BoundedText, CutsAtFieldWidthAndAlwaysTerminates) {
  char field[6];
  std::memset(field, 'X', sizeof field);
  EXPECT_EQ(CopyBoundedText(field, "abcdefgh"), 5u);
  EXPECT_STREQ(field, "abcde");

  std::memset(field, 'X', sizeof field);
  EXPECT_EQ(CopyBoundedText(field, "abcde"), 5u);  // exactly fits with its zero
  EXPECT_STREQ(field, "abcde");

  std::memset(field, 'X', sizeof field);
  EXPECT_EQ(CopyBoundedText(field, "abcd"), 4u);
  EXPECT_STREQ(field, "abcd");
}

TEST(BoundedText, StopsAtSourceLengthOrZeroByte) {
  char field[16];
  const char bytes[] = {'a', 'b', '\0', 'c'};
  EXPECT_EQ(CopyBoundedText(field, bytes, sizeof bytes), 2u);
  EXPECT_STREQ(field, "ab");
  EXPECT_EQ(CopyBoundedText(field, "abcdef", 3), 3u);
  EXPECT_STREQ(field, "abc");
  EXPECT_EQ(CopyBoundedText(field, nullptr), 0u);
  EXPECT_STREQ(field, "");
}

TEST(BoundedText, LeavesEmptyFieldAlone) {
  char sentinel = 'X';
  EXPECT_EQ(CopyBoundedText(&sentinel, 0, "abc"), 0u);
  EXPECT_EQ(sentinel, 'X');
}

}  // namespace
