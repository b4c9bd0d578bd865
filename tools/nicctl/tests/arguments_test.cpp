#include "tools/nicctl/arguments.h"

#include <gtest/gtest.h>

#include "nicconf/exchange/nic_transaction.h"

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

TEST(NicctlArguments, ReadTakesAnAddressAndMaybeAMac) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"read", "127.0.1.2", "00:80:87:01:00:02", "--config", "--timeout", "1"},
                    args, error)) << error;
  EXPECT_EQ(args.command, Command::Read);
  EXPECT_EQ(args.address, "127.0.1.2");
  EXPECT_EQ(args.mac, "00:80:87:01:00:02");
  EXPECT_TRUE(args.withConfig);
  EXPECT_EQ(args.timeoutMs, 1000u);

  Arguments first;
  ASSERT_TRUE(Parse({"read", "127.0.1.3"}, first, error)) << error;
  EXPECT_EQ(first.mac, nic::kPlaceholderMac);
  EXPECT_FALSE(first.withConfig);
}

TEST(NicctlArguments, SetCollectsCheckedSettings) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"set", "10.0.0.5", "00:80:87:00:00:05", "name=PRN1", "config.ftp-timeout=5",
                     "context=O=OFFICE"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::Set);
  ASSERT_EQ(args.settings.size(), 3u);
  EXPECT_EQ(args.settings[0].target, SettingTarget::Attribute);
  EXPECT_EQ(args.settings[1].target, SettingTarget::ConfigItem);
  EXPECT_EQ(args.settings[2].target, SettingTarget::ExtendedText);
  EXPECT_EQ(args.settings[2].value, "O=OFFICE");
}

TEST(NicctlArguments, SetIpSpeaksToTheUnknownNicAddress) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"set-ip", "00:80:87:00:00:05", "10.0.0.9"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::SetIp);
  EXPECT_EQ(args.address, nic::kUnknownNicAddress);
  EXPECT_EQ(args.newIp, "10.0.0.9");
  EXPECT_EQ(args.mac, "00:80:87:00:00:05");
}

TEST(NicctlArguments, PowerOffTakesAddressAndMac) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"power-off", "10.0.0.5", "00:80:87:00:00:05"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::PowerOff);
  EXPECT_EQ(args.address, "10.0.0.5");
}

TEST(NicctlArguments, BadTransactionInputIsRefusedWithOneLine) {
  const std::vector<std::vector<std::string>> bad = {
      {"read"},
      {"read", "10.0.0"},
      {"read", "10.0.0.5", "00:80:87:00:00"},
      {"read", "10.0.0.5", "00:80:87:00:00:05", "extra"},
      {"search", "10.0.0.255", "--config"},
      {"set", "10.0.0.5", "00:80:87:00:00:05"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "colour=blue"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "name"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "=PRN"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "ip=10.0.0.01"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "access-period=256"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "config.link-timeout=65536"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "config.name=a;b"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "mac=00:00:00:00:00:00"},
      {"set", "10.0.0.5", "00:80:87:00:00:05", "name=PRN", "attr.31=zz"},
      {"set", "10.0.0.5", "00-80-87-00-00-05", "name=PRN"},
      {"set-ip", "00:80:87:00:00:05"},
      {"set-ip", "00:80:87:00:00:05", "10.0.0.256"},
      {"set-ip", "10.0.0.9", "00:80:87:00:00:05"},
      {"power-off", "10.0.0.5"},
      {"power-off", "10.0.0.5", "00:80:87:00:00:5"},
  };
  for (const auto& words : bad) {
    Arguments args;
    std::string error;
    EXPECT_FALSE(Parse(words, args, error)) << words[0] << " " << words.back();
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

}  // namespace

TEST(NicctlIpxArguments, SearchStatusAndReadForms) {
  Arguments args;
  std::string error;
  ASSERT_TRUE(Parse({"ipx", "search", "--timeout", "1"}, args, error)) << error;
  EXPECT_EQ(args.command, Command::IpxSearch);
  EXPECT_EQ(args.network, "");
  EXPECT_EQ(args.timeoutMs, 1000u);
  Arguments other;
  ASSERT_TRUE(Parse({"ipx", "search", "1a"}, other, error)) << error;
  EXPECT_EQ(other.network, "1a");

  Arguments status;
  ASSERT_TRUE(Parse({"ipx", "status", "1A", "00:80:87:00:01:11", "0000002B", "00:80:87:00:02:21"},
                    status, error)) << error;
  EXPECT_EQ(status.command, Command::IpxStatus);
  ASSERT_EQ(status.printers.size(), 2u);
  EXPECT_EQ(status.printers[1].first, "0000002B");

  Arguments read;
  ASSERT_TRUE(Parse({"ipx", "read", "1A", "00:80:87:00:01:11"}, read, error)) << error;
  EXPECT_EQ(read.command, Command::IpxRead);
  EXPECT_EQ(read.printers.at(0).second, "00:80:87:00:01:11");
}

TEST(NicctlIpxArguments, BadInputIsRefusedWithOneLine) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"ipx"}, "ipx takes search, status or read"},
      {{"ipx", "wake"}, "ipx takes search, status or read"},
      {{"ipx", "search", "123456789"}, "not an IPX network (1 to 8 hex digits): 123456789"},
      {{"ipx", "search", "1A", "2B"}, "ipx search takes at most a network"},
      {{"ipx", "status", "1G", "00:80:87:00:01:11"}, "not an IPX network (1 to 8 hex digits): 1G"},
      {{"ipx", "status", "1A"}, "ipx status takes pairs of <network> <mac>"},
      {{"ipx", "read", "1A", "00:80:87:00:01"}, "not a MAC address (six hex pairs): 00:80:87:00:01"},
      {{"ipx", "read", "1A", "00:80:87:00:01:11", "1A", "00:80:87:00:01:12"},
       "ipx read takes a <network> <mac>"},
  };
  for (const auto& [words, message] : cases) {
    Arguments args;
    std::string error;
    EXPECT_FALSE(Parse(words, args, error)) << words.size();
    EXPECT_EQ(error, message);
  }
}
