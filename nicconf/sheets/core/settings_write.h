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

}  // namespace nic
