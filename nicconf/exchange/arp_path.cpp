#include "nicconf/exchange/arp_path.h"

#include <cstdio>
#include <cstring>

#include "nicconf/exchange/network.h"
#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/exchange/system_commands.h"
#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"
#include "platform/udp_socket.h"

namespace nic {
namespace {

constexpr std::uint16_t kNudgePort = 5555;
constexpr std::uint8_t kNudge[] = {'d', 'u', 'm', 'm', 'y'};

bool IsPlainAddress(const char* text) {
  Ipv4 ip{};
  return ParseDottedIp(text, ip);
}

// Exactly "XX:XX:XX:XX:XX:XX": its pairs are copied into the arp command.
bool IsPlainMac(const char* text) {
  Mac mac{};
  return std::strlen(text) == 17 && ParseMacText(text, mac);
}

std::uint32_t Run(const char* commandLine) {
  const SystemCommandCalls& commands = Seams().commands;
  return commands.run(commands.context, commandLine, Seams().arpPath.commandLimitMs);
}

// Before a NIC is spoken to under the unknown-NIC address, one datagram to
// elsewhere makes the system settle its routes.
void SendNudge() {
  platform::UdpSocket socket;
  if (socket.Open() != 0 && socket.Open() != 0) return;
  const char* to = Seams().arpPath.nudgeAddress;
  if (socket.SendTo(to, kNudgePort, kNudge) != 0) socket.SendTo(to, kNudgePort, kNudge);
}

}  // namespace

ExchangeStatus SetUpArpPath(const char* ip, const char* mac, bool& routeAdded, bool& arpAdded) {
  const char* local = LocalAddress();
  if (!IsPlainAddress(ip) || !IsPlainMac(mac) || !IsPlainAddress(local)) {
    return {kCommandNotStarted, 0};
  }
  const SystemCommandCalls& commands = Seams().commands;
  if (!commands.isAdministrator(commands.context)) return {kNotAdministrator, 0};

  char line[128];
  routeAdded = true;
  std::snprintf(line, sizeof line, "route add %s %s", ip, local);
  if (const std::uint32_t failed = Run(line)) return {failed, 0};

  arpAdded = true;
  if (std::strcmp(ip, kUnknownNicAddress) == 0) SendNudge();
  std::snprintf(line, sizeof line, "arp -s %s %.2s-%.2s-%.2s-%.2s-%.2s-%.2s %s", ip, mac, mac + 3,
                mac + 6, mac + 9, mac + 12, mac + 15, local);
  if (const std::uint32_t failed = Run(line)) return {failed, 0};
  return {};
}

void RemoveArpPath(const char* ip, bool& routeAdded, bool& arpAdded) {
  char line[64];
  if (routeAdded) {
    routeAdded = false;
    std::snprintf(line, sizeof line, "route delete %s", ip);
    Run(line);
  }
  if (arpAdded) {
    arpAdded = false;
    std::snprintf(line, sizeof line, "arp -d %s", ip);
    Run(line);
  }
}

}  // namespace nic
