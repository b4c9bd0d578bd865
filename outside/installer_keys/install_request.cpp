#include "outside/installer_keys/install_request.h"

#include <map>

namespace installer {
namespace {

// The agents read the driver name into 256 bytes, "NRV " included.
constexpr std::size_t kLongestModel = 251;
constexpr std::uint64_t kLongestInterval = 0xFFFFFFFFu;

const char* const kOptions[] = {"--model", "--plugin", "--pages", "--interval", "--install-dir"};

bool Known(const std::string& option) {
  for (const char* known : kOptions) {
    if (option == known) return true;
  }
  return false;
}

std::optional<std::uint32_t> Milliseconds(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(digit - '0');
  }
  if (value > kLongestInterval) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

ParsedArguments Problem(std::string problem) { return {std::nullopt, std::move(problem)}; }

// Option and value pairs, each option at most once.
bool Pair(const std::vector<std::string>& arguments, std::map<std::string, std::string>& values,
          std::string& problem) {
  for (std::size_t at = 0; at < arguments.size(); at += 2) {
    const std::string& option = arguments[at];
    if (!Known(option)) {
      problem = "unknown argument: " + option;
      return false;
    }
    if (at + 1 == arguments.size() || arguments[at + 1].empty()) {
      problem = option + " needs a value";
      return false;
    }
    if (!values.emplace(option, arguments[at + 1]).second) {
      problem = option + " given twice";
      return false;
    }
  }
  return true;
}

}  // namespace

const char kUsage[] =
    "usage: installer_keys [--model NAME --plugin DLL --pages DLL] [--interval MS]\n"
    "                      [--install-dir FOLDER]\n"
    "Writes below HKEY_LOCAL_MACHINE what the installer writes:\n"
    "  --model NAME        SOFTWARE\\NRV\\Prindora\\Printers\\NAME: RMMSUPPORT = 1,\n"
    "                      RMMDLL = the --plugin path, RMMUIDLL = the --pages path\n"
    "                      (NAME is the printer driver's name without \"NRV \")\n"
    "  --interval MS       the agents' poll interval in milliseconds (RMMTIME and\n"
    "                      DAVTime below SOFTWARE\\NRV\\Prindora\\DAV); 0 polls once\n"
    "  --install-dir DIR   the uninstall entry whose folder is the install folder;\n"
    "                      the mail log goes to DIR\\log\\PDMail.log\n"
    "Exit codes: 0 written, 1 the registry refused, 2 bad arguments.\n";

ParsedArguments ParseArguments(const std::vector<std::string>& arguments) {
  std::map<std::string, std::string> values;
  std::string problem;
  if (arguments.empty()) return Problem("nothing to write");
  if (!Pair(arguments, values, problem)) return Problem(problem);
  InstallRequest request;
  const bool model = values.count("--model") != 0;
  if (model != (values.count("--plugin") != 0) || model != (values.count("--pages") != 0)) {
    return Problem("--model, --plugin and --pages go together");
  }
  if (model) {
    const std::string& name = values["--model"];
    if (name.find('\\') != std::string::npos) return Problem("a model name has no backslash");
    if (name.size() > kLongestModel) return Problem("model name longer than 251 characters");
    request.model = ModelEntry{name, values["--plugin"], values["--pages"]};
  }
  if (values.count("--interval") != 0) {
    request.interval = Milliseconds(values["--interval"]);
    if (!request.interval) return Problem("--interval takes milliseconds from 0 to 4294967295");
  }
  if (values.count("--install-dir") != 0) request.installDirectory = values["--install-dir"];
  return {request, {}};
}

}  // namespace installer
