#include "nicconf/sheets/core/settings_write.h"

#include <cstring>

namespace nic {
namespace {

template <typename Item>
bool SameValue(const Item& a, const Item& b) {
  if (a.present != b.present) return false;
  if (!a.present) return true;
  return a.length == b.length && a.length >= 0 && std::memcmp(a.value, b.value, a.length) == 0;
}

bool SameExtended(const ExtendedTextRecord& a, const ExtendedTextRecord& b) {
  if (a.present != b.present) return false;
  return !a.present || (a.length == b.length && a.length >= 0 &&
                        std::memcmp(a.value, b.value, static_cast<std::size_t>(a.length)) == 0);
}

}  // namespace

ConfigItemList ChangedConfigItems(const ConfigItemList& baseline, const ConfigItemList& edited) {
  ConfigItemList changed;
  for (std::size_t i = 0; i < kConfigItemCount; ++i)
    if (!SameValue(baseline.items[i], edited.items[i]) && edited.items[i].present)
      changed.items[i] = edited.items[i];
  return changed;
}

std::vector<std::uint8_t> PresentConfigTags(const ConfigItemList& list) {
  std::vector<std::uint8_t> tags;
  for (const ConfigItem& item : list.items)
    if (item.present) tags.push_back(item.tag);
  return tags;
}

std::vector<std::uint8_t> ChangedAttributeTags(const AttributeRecord& baseline, const AttributeRecord& edited) {
  std::vector<std::uint8_t> tags;
  for (std::size_t i = 0; i < kAttributeCount; ++i)
    if (!SameValue(baseline.items[i], edited.items[i])) tags.push_back(edited.items[i].tag);
  return tags;
}

bool BuildAttributeWrite(const AttributeRecord& reply, const AttributeRecord& baseline,
                         const AttributeRecord& edited, AttributeRecord& write) {
  AttributeRecord built = reply;
  bool changed = false;
  for (std::size_t i = 0; i < kAttributeCount; ++i) {
    if (SameValue(baseline.items[i], edited.items[i]) || !edited.items[i].present) continue;
    built.items[i] = edited.items[i];
    changed = true;
  }
  if (changed) write = built;
  return changed;
}

// A file server of "DISABLE" without a context means NetWare is not used.
NicSettings WithNetWareRule(const NicSettings& image) {
  NicSettings ruled = image;
  const auto server = ReadSetting(image, SettingField::FileServerName);
  if (server && *server == kNoFileServer && NdsContext(image).empty()) {
    WriteSetting(ruled, SettingField::NetWareMode, "0");
  }
  return ruled;
}

SheetWrite BuildSheetWrite(const NicSettings& baseline, const NicSettings& edited) {
  const NicSettings image = WithNetWareRule(edited);
  SheetWrite write;
  write.commandNic = IsCommandNic(baseline);
  if (write.commandNic) {
    write.items = ChangedConfigItems(baseline.items, image.items);
    write.any = !PresentConfigTags(write.items).empty();
    return write;
  }
  const bool attributes =
      BuildAttributeWrite(baseline.attributes, baseline.attributes, image.attributes, write.attributes);
  write.sendExtended = image.extended.present && !SameExtended(baseline.extended, image.extended);
  if (write.sendExtended) {
    write.extended = image.extended;
    if (!attributes) write.attributes = baseline.attributes;
  }
  write.any = attributes || write.sendExtended;
  return write;
}

}  // namespace nic
