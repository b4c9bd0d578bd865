#pragma once
// What a setting sheet sends when it applies: exactly what the user changed
// against what the NIC said when the sheet opened (the baseline). A NIC that
// speaks the command protocol gets a configuration item list of the changed
// items only; any other NIC the attribute record of its reply with the
// changed attributes put in.

#include <cstdint>
#include <vector>

#include "nicproto/attribute_record.h"
#include "nicproto/config_items.h"
#include "nicconf/sheets/core/nic_settings.h"

namespace nic {

// The items of `edited` that differ from `baseline` (value, or present in one
// only), every other item absent. Empty when nothing changed.
ConfigItemList ChangedConfigItems(const ConfigItemList& baseline, const ConfigItemList& edited);
std::vector<std::uint8_t> PresentConfigTags(const ConfigItemList& list);

// The tags of the attributes that differ between the two records.
std::vector<std::uint8_t> ChangedAttributeTags(const AttributeRecord& baseline, const AttributeRecord& edited);

// The reply's record with every changed attribute taken from `edited`;
// false (and `write` untouched) when nothing changed.
bool BuildAttributeWrite(const AttributeRecord& reply, const AttributeRecord& baseline,
                         const AttributeRecord& edited, AttributeRecord& write);

// What applying a sheet sends. A command NIC: command 1 with the changed
// items. An attribute NIC: the set request (the reply's record with the
// changed attributes) and, when the NDS context changed, the extended set
// request too.
struct SheetWrite {
  bool any = false;  // false: nothing changed, nothing is sent
  bool commandNic = false;
  ConfigItemList items;
  AttributeRecord attributes;
  bool sendExtended = false;
  ExtendedTextRecord extended;
};
SheetWrite BuildSheetWrite(const NicSettings& baseline, const NicSettings& image);

}  // namespace nic
