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

}  // namespace nic
