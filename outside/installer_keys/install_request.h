#pragma once
// What a development set-up asks the installer stand-in to write, taken
// from its command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace installer {

struct ModelEntry {
  std::string name;   // the driver name without its leading "NRV "
  std::string plugin;  // "RMMDLL"
  std::string pages;   // "RMMUIDLL"
};

struct InstallRequest {
  std::optional<ModelEntry> model;
  std::optional<std::uint32_t> interval;  // milliseconds, both agents
  std::optional<std::string> installDirectory;
};

// The request, or the reason the arguments (program name excluded) make
// none; exactly one of the two is set.
struct ParsedArguments {
  std::optional<InstallRequest> request;
  std::string problem;
};
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

extern const char kUsage[];

}  // namespace installer
