#pragma once
// The command line of nicctl, checked before anything touches the network.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/nicctl/field_setting.h"

enum class Command {
  Search, RangeSearch, Status, Wake, Read, Set, SetIp, PowerOff,
  IpxSearch, IpxStatus, IpxRead,  // NetWare printers over IPX (Windows)
};

struct Arguments {
  Command command = Command::Search;
  std::string address;  // broadcast or first address; the NIC's for read, set, power-off
  int lastValue = 0;    // range search
  std::vector<std::pair<std::string, std::string>> printers;  // status: ip (IPX: network), mac
  std::string network;  // ipx search (empty: the local network), ipx read
  std::string mac;      // wake, read, set, set-ip, power-off
  std::string wakeTo = "255.255.255.255";
  bool withConfig = false;            // read: also the configuration items
  std::vector<FieldSetting> settings;  // set
  std::string newIp;                  // set-ip
  std::uint32_t timeoutMs = 3000;
  std::size_t maxResults = 100;
};

// Fills `args`, or returns false with a one-line reason in `error`.
bool ParseArguments(const std::vector<std::string>& words, Arguments& args, std::string& error);

extern const char* const kUsage;
