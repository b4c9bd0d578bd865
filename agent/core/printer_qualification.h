#pragma once
// Which local printers a poll hands to a model plug-in: those whose driver
// is the maker's ("NRV " and the model name) and whose model key takes part
// in alarm mail, each with the kind of mail it wants. Deciding that is
// portable; what it reads and writes in the registry comes through calls.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace agent {

struct PolledPrinter {
  std::string name;
  int mailKind;  // 2 when mail is switched on for it, else 1
};

// The model name: the driver name after "NRV ", compared byte by byte.
std::optional<std::string> ModelOf(std::string_view driver);

// What qualifying a printer asks of the registry.
struct QualificationCalls {
  void* context;
  // The model's key can be opened for writing and has "RMMSUPPORT".
  bool (*modelTakesPart)(void* context, const std::string& model);
  // The printer's "DAV_CHECKMAIL" in its driver data; nothing when missing.
  std::optional<std::uint32_t> (*checkMail)(void* context, const std::string& printer);
  // Writes the kind as the model's "RMMSUPPORT": the key records the kind of
  // the last printer of that model a poll looked at.
  void (*recordMailKind)(void* context, const std::string& model, int kind);
};

// The printer as a poll sees it, or nothing when it does not take part.
// `name` and `driver` come from the spooler and may be missing.
std::optional<PolledPrinter> QualifyPrinter(const char* name, const char* driver,
                                            const QualificationCalls& calls);

}  // namespace agent
