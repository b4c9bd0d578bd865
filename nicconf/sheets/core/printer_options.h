#pragma once
// The options the information page lists, from the printer's status text.
// The option units are those the picture draws; memory and hard disk sizes
// come in the second advanced block.

#include <string>
#include <vector>

#include "nicproto/status_text.h"

namespace nic {

// One row of the list: the option, whether it is fitted ("装着", "未装着",
// or "不明" when the text did not say), and its size where it has one.
struct OptionRow {
  std::string name;
  std::string state;
  std::string size;
};

std::vector<OptionRow> PrinterOptions(const StatusRecord& status);

}  // namespace nic
