#pragma once
// A NIC's configuration items (command 2's reply) as a read shows them.

#include <string>

#include "nicproto/config_items.h"

// One line per present item, in table order; numbers in decimal, addresses
// dotted. A value that does not read in its item's form is shown as it came.
std::string ConfigLines(const nic::ConfigItemList& list);
