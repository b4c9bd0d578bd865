#include "maintui/core/printer_eligibility.h"

#include <cstddef>

#include "agent/core/printer_qualification.h"

namespace maintui {
namespace {

// Printers that print through the suite's own print processor stay out.
constexpr std::string_view kOwnPrintProcessor = "NRVPDD";

// Port names are compared without regard to case, as the systems compare
// them; the locale plays no part.
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithAnyCase(std::string_view text, std::string_view capitals) {
  if (text.size() < capitals.size()) return false;
  for (std::size_t i = 0; i < capitals.size(); ++i) {
    if (Upper(text[i]) != capitals[i]) return false;
  }
  return true;
}

bool IsPortNumber(char c) { return c >= '1' && c <= '9'; }

PortClass PortClassOf(const LocalPrinter& printer, const EligibilityCalls& calls) {
  const PortClass byName = PortClassOfName(printer.port);
  if (byName != PortClass::None) return byName;
  return calls.isNetworkPort(calls.context, printer.port) ? PortClass::Network : PortClass::None;
}

bool Qualifies(const LocalPrinter& printer, const std::string& model, SystemKind system,
               const EligibilityCalls& calls) {
  if (!calls.tcpIpInstalled(calls.context)) return false;
  if (!calls.modelTakesPart(calls.context, model)) return false;
  if (printer.printProcessor == kOwnPrintProcessor) return false;
  if ((printer.attributes & kAttributeBidirectional) == 0) return false;
  if ((printer.attributes & kAttributeNetwork) != 0) return false;
  return PortClassAllowed(system, PortClassOf(printer, calls));
}

}  // namespace

PortClass PortClassOfName(std::string_view port) {
  if (!StartsWithAnyCase(port, "LPT")) return PortClass::None;
  const std::string_view rest = port.substr(3);
  if (rest.size() == 2 && IsPortNumber(rest[0]) && rest[1] == ':') return PortClass::Parallel;
  if (rest.size() == 3 && Upper(rest[0]) == 'N' && IsPortNumber(rest[1]) && rest[2] == ':') {
    return PortClass::SecondParallel;
  }
  if (rest.size() == 4 && StartsWithAnyCase(rest, "USB") && IsPortNumber(rest[3])) return PortClass::Usb;
  return PortClass::None;
}

bool PortClassAllowed(SystemKind system, PortClass portClass) {
  switch (system) {
    case SystemKind::Windows95:
      return portClass == PortClass::Parallel || portClass == PortClass::Usb || portClass == PortClass::Network;
    case SystemKind::WindowsNT3:
      return portClass == PortClass::SecondParallel || portClass == PortClass::Network;
    case SystemKind::WindowsNT4OrLater:
      return portClass == PortClass::Parallel || portClass == PortClass::Network;
    case SystemKind::Other:
      break;
  }
  return false;
}

int DecideEligibility(const LocalPrinter& printer, SystemKind system, const EligibilityCalls& calls) {
  const std::optional<std::string> model = agent::ModelOf(printer.driver);
  if (!model || !calls.modelKeyOpens(calls.context, *model)) return kNotEligible;
  if (!Qualifies(printer, *model, system, calls)) {
    calls.writeEligible(calls.context, printer.name, 0);
    return kNotEligible;
  }
  calls.writeEligible(calls.context, printer.name, 1);
  // Without the value the model's "RMMSUPPORT" is left as it is.
  const std::optional<std::uint32_t> check = calls.checkMail(calls.context, printer.name);
  if (!check) return kEligible;
  const int kind = *check != 0 ? kEligibleWithMail : kEligible;
  calls.writeSupport(calls.context, *model, static_cast<std::uint32_t>(kind));
  return kind;
}

}  // namespace maintui
