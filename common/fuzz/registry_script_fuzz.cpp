// Any text as a registration script, with a module path taken from its
// first line: the parser answers a tree or a reason and never runs away.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/registry_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t feed = input.find('\n');
  const std::string_view path = input.substr(0, feed == std::string_view::npos ? 0 : feed);
  const std::string_view script = feed == std::string_view::npos ? input : input.substr(feed + 1);
  std::string error;
  regscript::ParseRegistryScript(regscript::ReplaceModule(script, path), &error);
  return 0;
}
