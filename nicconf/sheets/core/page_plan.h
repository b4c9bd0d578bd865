#pragma once
// Which pages a printer's setting sheet shows, in their order, from what its
// NIC told about itself.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nic {

enum class SettingPage {
  LanBoard,     // "LANボード", dialog 117
  TcpIp,        // "TCP/IP", 124
  TcpIpDetail,  // "TCP/IP詳細", 312
  NetWare,      // "NetWare", 311
  AppleTalk,    // "AppleTalk", 308
  Snmp,         // "SNMP", 309
  RemotePower,  // "リモート電源制御", 310
  PrintLog,     // "印刷履歴", 314
  Link,         // "通信設定", 315
  MailNotice,   // "メール通知", 242
  Information,  // "情報", 116
};

struct NicFacts {
  std::uint8_t capability;        // attribute 249
  bool commandNic;                // speaks the command protocol
  std::string description;        // attribute 250
  bool hasMailItem;               // the reply carries item 80
  int printerFamily;              // as the status reports it, -1 when unknown
  bool hasInformation;            // an information record came
};

inline constexpr std::uint8_t kCapabilityTcpIp = 0x20;
inline constexpr std::uint8_t kCapabilityNetWare = 0x40;
inline constexpr std::uint8_t kCapabilityAppleTalk = 0x04;

// Remote power: "NRV FastEthernet", any one character, then '1'.
bool SupportsRemotePower(std::string_view description);

std::vector<SettingPage> PagesFor(const NicFacts& facts);

struct NicSettings;
// What the image of a read tells; the family comes from the status record
// (-1 when none came).
NicFacts FactsOf(const NicSettings& settings, int printerFamily);

struct PageLook {
  const char* caption;
  int dialog;
};
PageLook LookOf(SettingPage page);

}  // namespace nic
