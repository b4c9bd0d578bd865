#include "tools/nicctl/arguments.h"

#include <gtest/gtest.h>

namespace {

bool Parse(std::vector<std::string> words, Arguments& args, std::string& error) {
  return ParseArguments(words, args, error);
}

TEST(NicctlArguments, SearchForms) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"search", "192.168.1.255"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::Search);
  EXPECT_EQ(args.timeoutMs, 3000u);

  ASSERT_TRUE(Parse({"search", "10.0.0.250", "3", "--timeout", "2"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::RangeSearch);
  EXPECT_EQ(args.address, "10.0.0.250");
  EXPECT_EQ(args.lastValue, 3);
  EXPECT_EQ(args.timeoutMs, 2000u);
}

TEST(NicctlArguments, StatusTakesPairsAndWakeOneMac) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"status", "127.0.0.2", "00:80:87:00:00:02", "127.0.0.3",
                     "00:80:87:00:00:03"}, args, error)) << error;
  ASSERT_EQ(args.printers.size(), 2u);
  EXPECT_EQ(args.printers[1].second, "00:80:87:00:00:03");
  ASSERT_TRUE(Parse({"wake", "0a:5e:91:69:00:07", "--to", "127.0.0.1"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::Wake);
  EXPECT_EQ(args.wakeTo, "127.0.0.1");
}

TEST(NicctlArguments, BadInputIsRefusedWithOneLine) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frobnicate"},
      {"search"},
      {"search", "10.0.0"},
      {"search", "host.example"},
      {"search", "10.0.0.1", "0"},
      {"search", "10.0.0.1", "255"},
      {"search", "10.0.0.1", "12x"},
      {"search", "10.0.0.1", "--timeout"},
      {"search", "10.0.0.1", "--timeout", "0"},
      {"status", "10.0.0.1"},
      {"status", "10.0.0.1", "0:1:2:3:4:5"},
      {"status", "10.0.0.1", "00-80-87-00-00-02"},
      {"status", "10.0.0.1;reboot", "00:80:87:00:00:02"},
      {"wake", "00:80:87:00:00"},
      {"wake", "00:80:87:00:00:02", "--to", "everyone"},
  };
  for (const auto& words : bad) {
    Arguments args;
    std::string error;
    EXPECT_FALSE(Parse(words, args, error)) << (words.empty() ? "" : words[0]);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

}  // namespace
