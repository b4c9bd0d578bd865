#include "tools/nicsim/nic_config_file.h"

#include <fstream>

#include "tools/nicsim/nic_setting.h"

namespace nicsim {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool IsSkipped(const std::string& line) {
  return line.empty() || line[0] == '#' || line[0] == ';';
}

// One non-skipped line; false with a reason that lacks the line number.
bool ReadLine(const std::string& line, std::vector<SimNic>& nics, std::string& error) {
  if (line.front() == '[') {
    if (line != "[nic]") {
      error = "unknown section " + line;
      return false;
    }
    nics.emplace_back();
    return true;
  }
  const auto equals = line.find('=');
  if (equals == std::string::npos) {
    error = "expected key=value: '" + line + "'";
    return false;
  }
  if (nics.empty()) {
    error = "key=value before the first [nic] section";
    return false;
  }
  return ApplyNicSetting(nics.back(), Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)),
                         &error);
}

}  // namespace

bool ReadNicConfig(std::istream& in, std::vector<SimNic>* nics, std::string* error) {
  std::vector<SimNic> read;
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    const std::string line = Trim(raw);
    std::string reason;
    if (IsSkipped(line) || ReadLine(line, read, reason)) continue;
    if (error != nullptr) *error = "line " + std::to_string(number) + ": " + reason;
    return false;
  }
  if (read.empty()) {
    if (error != nullptr) *error = "no [nic] section";
    return false;
  }
  *nics = std::move(read);
  return true;
}

bool ReadNicConfigFile(const std::string& path, std::vector<SimNic>* nics, std::string* error) {
  std::ifstream in(path);
  if (!in) {
    if (error != nullptr) *error = "cannot open " + path;
    return false;
  }
  const bool ok = ReadNicConfig(in, nics, error);
  if (!ok && error != nullptr) *error = path + ": " + *error;
  return ok;
}

}  // namespace nicsim
