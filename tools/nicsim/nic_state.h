#pragma once
// One simulated NIC as it stands: its settings and the attribute table and
// configuration list that the two protocols read and write. The settings the
// protocols can change (address, name, extended text, and the items and
// attributes given by number) are kept in step with the table and the list,
// so a later Update starts from what the NIC holds.

#include <string>

#include "nicproto/attribute_record.h"
#include "nicproto/config_items.h"
#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

struct NicState {
  SimNic settings;
  nic::AttributeRecord attributes;
  nic::ConfigItemList config;
};

NicState MakeNicState(const SimNic& settings);

// Replaces the settings and rewrites every attribute and item derived from
// them; attributes a manager wrote that no setting covers stay as written.
void ApplySettings(NicState& nic, const SimNic& settings);

void SetNicAddress(NicState& nic, const std::string& ip);
void SetNicName(NicState& nic, const std::string& name);

// Whether the NIC has this configuration item; a write holds only to items
// it has (no mail notice items on a NIC without mail notice).
bool HoldsItem(const NicState& nic, std::uint8_t tag);

// After a write over the network: the settings' item.N or attr.N value, when
// one is given for this tag, takes what the NIC now holds.
void KeepWrittenItem(NicState& nic, std::uint8_t tag);
void KeepWrittenAttribute(NicState& nic, std::uint8_t tag);

}  // namespace nicsim
