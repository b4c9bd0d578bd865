#include "tools/nicctl/arguments.h"

#include <cstdlib>

#include "nicconf/exchange/nic_transaction.h"
#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"

const char* const kUsage =
    "usage: nicctl search <broadcast-address> [--timeout <s>] [--max <n>]\n"
    "       nicctl search <first-address> <last-octet> [--timeout <s>]\n"
    "       nicctl status <ip> <mac> [<ip> <mac>...] [--timeout <s>]\n"
    "       nicctl wake <mac> [--to <broadcast-address>]\n"
    "       nicctl read <ip> [<mac>] [--config] [--timeout <s>]\n"
    "       nicctl set <ip> <mac> <field>=<value>... [--timeout <s>]\n"
    "       nicctl set-ip <mac> <new-ip> [--timeout <s>]\n"
    "       nicctl power-off <ip> <mac> [--timeout <s>]\n"
    "       nicctl ipx search [<network>] [--timeout <s>]\n"
    "       nicctl ipx status <network> <mac> [<network> <mac>...] [--timeout <s>]\n"
    "       nicctl ipx read <network> <mac> [--timeout <s>]\n";

namespace {

bool IsAddress(const std::string& text) {
  Ipv4 ip{};
  return ParseDottedIp(text.c_str(), ip);
}

// Six two-digit hex pairs with colons, as the printer list writes them.
bool IsMac(const std::string& text) {
  nic::Mac mac{};
  return text.size() == 17 && nic::ParseMacText(text.c_str(), mac);
}

// An IPX network number: one to eight hex digits.
bool IsNetwork(const std::string& text) {
  return !text.empty() && text.size() <= 8 &&
         text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

bool ReadNumber(const std::string& text, long low, long high, long& value) {
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0' && value >= low && value <= high;
}

// Takes "--timeout" and "--max" and "--to" out of `words`.
bool TakeOptions(std::vector<std::string>& words, Arguments& args, std::string& error) {
  for (std::size_t i = 0; i < words.size();) {
    const std::string& word = words[i];
    if (word.rfind("--", 0) != 0) {
      ++i;
      continue;
    }
    if (word == "--config") {
      args.withConfig = true;
      words.erase(words.begin() + static_cast<long>(i));
      continue;
    }
    if (i + 1 >= words.size()) return error = word + " needs a value", false;
    const std::string& value = words[i + 1];
    long n = 0;
    if (word == "--timeout") {
      if (!ReadNumber(value, 1, 3600, n)) return error = "time-out must be 1..3600 seconds", false;
      args.timeoutMs = static_cast<std::uint32_t>(n) * 1000;
    } else if (word == "--max") {
      if (!ReadNumber(value, 1, 1000, n)) return error = "--max must be 1..1000", false;
      args.maxResults = static_cast<std::size_t>(n);
    } else if (word == "--to") {
      if (!IsAddress(value)) return error = "not a dotted IPv4 address: " + value, false;
      args.wakeTo = value;
    } else {
      return error = "unknown option " + word, false;
    }
    words.erase(words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i) + 2);
  }
  return true;
}

bool ParseSearch(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.empty() || rest.size() > 2) return error = "search takes an address and maybe a last octet", false;
  if (!IsAddress(rest[0])) return error = "not a dotted IPv4 address: " + rest[0], false;
  args.address = rest[0];
  args.command = Command::Search;
  if (rest.size() == 1) return true;
  long last = 0;
  if (!ReadNumber(rest[1], 1, 254, last)) return error = "last octet must be 1..254: " + rest[1], false;
  args.command = Command::RangeSearch;
  args.lastValue = static_cast<int>(last);
  return true;
}

bool ParseStatus(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.empty() || rest.size() % 2 != 0) return error = "status takes pairs of <ip> <mac>", false;
  for (std::size_t i = 0; i < rest.size(); i += 2) {
    if (!IsAddress(rest[i])) return error = "not a dotted IPv4 address: " + rest[i], false;
    if (!IsMac(rest[i + 1])) return error = "not a MAC address (six hex pairs): " + rest[i + 1], false;
    args.printers.emplace_back(rest[i], rest[i + 1]);
  }
  args.command = Command::Status;
  return true;
}

bool ParseWake(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.size() != 1) return error = "wake takes one MAC address", false;
  if (!IsMac(rest[0])) return error = "not a MAC address (six hex pairs): " + rest[0], false;
  args.mac = rest[0];
  args.command = Command::Wake;
  return true;
}

bool TakeIpAndMac(const std::string& ip, const std::string& mac, Arguments& args,
                  std::string& error) {
  if (!IsAddress(ip)) return error = "not a dotted IPv4 address: " + ip, false;
  if (!IsMac(mac)) return error = "not a MAC address (six hex pairs): " + mac, false;
  args.address = ip;
  args.mac = mac;
  return true;
}

// Without a MAC the first NIC to answer at the address is read.
bool ParseRead(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.empty() || rest.size() > 2) return error = "read takes an <ip> and maybe a <mac>", false;
  args.command = Command::Read;
  return TakeIpAndMac(rest[0], rest.size() == 2 ? rest[1] : nic::kPlaceholderMac, args, error);
}

bool ParseSet(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.size() < 3) return error = "set takes <ip> <mac> and <field>=<value>...", false;
  if (!TakeIpAndMac(rest[0], rest[1], args, error)) return false;
  for (std::size_t i = 2; i < rest.size(); ++i) {
    FieldSetting setting;
    if (!ParseFieldSetting(rest[i], setting, error)) return false;
    args.settings.push_back(std::move(setting));
  }
  args.command = Command::Set;
  return true;
}

bool ParseSetIp(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.size() != 2) return error = "set-ip takes a <mac> and the <new-ip>", false;
  if (!TakeIpAndMac(rest[1], rest[0], args, error)) return false;
  args.newIp = rest[1];
  args.address = nic::kUnknownNicAddress;
  args.command = Command::SetIp;
  return true;
}

bool ParsePowerOff(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  if (rest.size() != 2) return error = "power-off takes an <ip> and a <mac>", false;
  args.command = Command::PowerOff;
  return TakeIpAndMac(rest[0], rest[1], args, error);
}

bool TakeNetworkAndMac(const std::string& network, const std::string& mac, Arguments& args,
                       std::string& error) {
  if (!IsNetwork(network)) return error = "not an IPX network (1 to 8 hex digits): " + network, false;
  if (!IsMac(mac)) return error = "not a MAC address (six hex pairs): " + mac, false;
  args.printers.emplace_back(network, mac);
  return true;
}

bool ParseIpx(const std::vector<std::string>& rest, Arguments& args, std::string& error) {
  const std::string what = rest.empty() ? "" : rest[0];
  const std::vector<std::string> words(rest.begin() + (rest.empty() ? 0 : 1), rest.end());
  if (what == "search") {
    if (words.size() > 1) return error = "ipx search takes at most a network", false;
    if (!words.empty() && !IsNetwork(words[0])) {
      return error = "not an IPX network (1 to 8 hex digits): " + words[0], false;
    }
    args.network = words.empty() ? "" : words[0];
    args.command = Command::IpxSearch;
    return true;
  }
  if (what == "status" || what == "read") {
    if (words.empty() || words.size() % 2 != 0 || (what == "read" && words.size() != 2)) {
      return error = "ipx " + what + " takes " + (what == "read" ? "a" : "pairs of") +
                     " <network> <mac>", false;
    }
    for (std::size_t i = 0; i < words.size(); i += 2) {
      if (!TakeNetworkAndMac(words[i], words[i + 1], args, error)) return false;
    }
    args.command = what == "read" ? Command::IpxRead : Command::IpxStatus;
    return true;
  }
  return error = "ipx takes search, status or read", false;
}

bool ParseCommand(const std::string& command, const std::vector<std::string>& rest,
                  Arguments& args, std::string& error) {
  if (command == "search") return ParseSearch(rest, args, error);
  if (command == "status") return ParseStatus(rest, args, error);
  if (command == "wake") return ParseWake(rest, args, error);
  if (command == "read") return ParseRead(rest, args, error);
  if (command == "set") return ParseSet(rest, args, error);
  if (command == "set-ip") return ParseSetIp(rest, args, error);
  if (command == "power-off") return ParsePowerOff(rest, args, error);
  if (command == "ipx") return ParseIpx(rest, args, error);
  error = "unknown command " + command;
  return false;
}

}  // namespace

bool ParseArguments(const std::vector<std::string>& words, Arguments& args, std::string& error) {
  if (words.empty()) return error = "no command", false;
  std::vector<std::string> rest(words.begin() + 1, words.end());
  if (!TakeOptions(rest, args, error)) return false;
  if (!ParseCommand(words[0], rest, args, error)) return false;
  if (args.withConfig && args.command != Command::Read) {
    return error = "--config belongs to read", false;
  }
  return true;
}
