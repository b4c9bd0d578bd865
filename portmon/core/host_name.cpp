#include "portmon/core/host_name.h"

namespace portmon {

bool PassesHostNameCheck(std::string_view ansiName) {
  if (ansiName.size() >= 128) return false;
  const std::size_t first = ansiName.find_first_not_of(' ');
  return first != std::string_view::npos && ansiName[first] != '.';
}

}  // namespace portmon
