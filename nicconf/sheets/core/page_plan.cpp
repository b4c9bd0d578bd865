#include "nicconf/sheets/core/page_plan.h"

#include "nicconf/sheets/core/nic_settings.h"

namespace nic {

namespace {
constexpr std::uint8_t kMailNoticeItem = 80;
}  // namespace

bool SupportsRemotePower(std::string_view description) {
  static constexpr std::string_view kMark = "NRV FastEthernet";
  for (std::size_t at = description.find(kMark); at != std::string_view::npos;
       at = description.find(kMark, at + 1)) {
    const std::size_t one = at + kMark.size() + 1;
    if (one < description.size() && description[one] == '1') return true;
  }
  return false;
}

std::vector<SettingPage> PagesFor(const NicFacts& facts) {
  std::vector<SettingPage> pages{SettingPage::LanBoard};
  auto add = [&](bool shown, SettingPage page) {
    if (shown) pages.push_back(page);
  };
  add((facts.capability & kCapabilityTcpIp) != 0, SettingPage::TcpIp);
  add(facts.commandNic, SettingPage::TcpIpDetail);
  add((facts.capability & kCapabilityNetWare) != 0, SettingPage::NetWare);
  add((facts.capability & kCapabilityAppleTalk) != 0, SettingPage::AppleTalk);
  add(facts.commandNic, SettingPage::Snmp);
  add(facts.commandNic && SupportsRemotePower(facts.description), SettingPage::RemotePower);
  add(facts.commandNic, SettingPage::PrintLog);
  add(facts.commandNic, SettingPage::Link);
  add(facts.commandNic && facts.hasMailItem && (facts.printerFamily == 0 || facts.printerFamily == 1),
      SettingPage::MailNotice);
  add(facts.hasInformation, SettingPage::Information);
  return pages;
}

NicFacts FactsOf(const NicSettings& settings, int printerFamily) {
  NicFacts facts{};
  GetByteAttribute(settings.attributes, tag::kCapabilities, facts.capability);
  facts.commandNic = IsCommandNic(settings);
  char description[kAttributeValueSize + 1] = {};
  if (GetTextAttribute(settings.attributes, tag::kDescription, description, sizeof description)) {
    facts.description = description;
  }
  const ConfigItem* mail = FindConfigItem(settings.items, kMailNoticeItem);
  facts.hasMailItem = settings.hasCommandReply && mail != nullptr && mail->present;
  facts.printerFamily = printerFamily;
  facts.hasInformation = settings.hasInformation;
  return facts;
}

PageLook LookOf(SettingPage page) {
  static constexpr PageLook kLooks[] = {
      {"LANボード", 117}, {"TCP/IP", 124},      {"TCP/IP詳細", 312}, {"NetWare", 311},
      {"AppleTalk", 308}, {"SNMP", 309},        {"リモート電源制御", 310}, {"印刷履歴", 314},
      {"通信設定", 315},  {"メール通知", 242}, {"情報", 116},
  };
  return kLooks[static_cast<int>(page)];
}

}  // namespace nic
