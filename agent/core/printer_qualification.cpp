#include "agent/core/printer_qualification.h"

#include "common/dav_registry.h"

namespace agent {
namespace {

constexpr std::string_view kPrefix = dav::kDriverPrefix;

}  // namespace

std::optional<std::string> ModelOf(std::string_view driver) {
  if (!driver.starts_with(kPrefix)) return std::nullopt;
  return std::string(driver.substr(kPrefix.size()));
}

std::optional<PolledPrinter> QualifyPrinter(const char* name, const char* driver,
                                            const QualificationCalls& calls) {
  if (name == nullptr || driver == nullptr) return std::nullopt;
  const std::optional<std::string> model = ModelOf(driver);
  if (!model || !calls.modelTakesPart(calls.context, *model)) return std::nullopt;
  // Without the value nothing is recorded for the model.
  const std::optional<std::uint32_t> check = calls.checkMail(calls.context, name);
  if (!check) return PolledPrinter{name, 1};
  const int kind = (*check & (dav::kTonerOutMail | dav::kMaintenanceMail)) != 0 ? 2 : 1;
  calls.recordMailKind(calls.context, *model, kind);
  return PolledPrinter{name, kind};
}

}  // namespace agent
