#include "tools/nicctl/config_lines.h"

#include "tools/nicctl/field_names.h"
#include "tools/nicctl/report_line.h"

namespace {

std::string AsItCame(const nic::ConfigItem& item) {
  return "\"" + std::string(item.value, static_cast<std::size_t>(item.length)) + "\"";
}

template <typename Number, typename Getter>
std::string Decimal(const nic::ConfigItemList& list, const nic::ConfigItem& item, Getter get) {
  Number n = 0;
  return get(list, item.tag, n) ? std::to_string(n) : AsItCame(item);
}

std::string Value(const nic::ConfigItemList& list, const nic::ConfigItem& item) {
  char text[nic::kConfigValueSize + 1] = {};
  switch (item.form) {
    case nic::ConfigForm::Byte: return Decimal<std::uint8_t>(list, item, nic::GetConfigByte);
    case nic::ConfigForm::Word: return Decimal<std::uint16_t>(list, item, nic::GetConfigWord);
    case nic::ConfigForm::Dword: return Decimal<std::uint32_t>(list, item, nic::GetConfigDword);
    case nic::ConfigForm::Ipv4:
      return nic::GetConfigIp(list, item.tag, text, sizeof text) ? text : AsItCame(item);
    case nic::ConfigForm::Text: break;
  }
  nic::GetConfigText(list, item.tag, text, sizeof text);
  return text;
}

std::string Label(const nic::ConfigItem& item) {
  const ConfigField* field = ConfigFieldByTag(item.tag);
  return field != nullptr ? field->label : "item " + std::to_string(item.tag);
}

}  // namespace

std::string ConfigLines(const nic::ConfigItemList& list) {
  std::string out;
  for (const nic::ConfigItem& item : list.items) {
    if (item.present) out += ReportLine(Label(item), Value(list, item));
  }
  return out;
}
