#pragma once
// A NIC's attributes as a read shows them: the ones with a meaning by name,
// the others by tag.

#include <string>

#include "nicproto/attribute_record.h"

// One line per present attribute, in table order. The password is only
// said to be there, never shown.
std::string AttributeLines(const nic::AttributeRecord& record);
