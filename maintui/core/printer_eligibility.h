#pragma once
// Whether one local printer of the workstation can take part in alarm mail,
// as the mail notification settings decide it when they list the printers,
// and what deciding writes: the printer's "DAV_PRNSTATUS" and, for an
// eligible one, its model's "RMMSUPPORT". The registry and the system come
// in through calls.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace maintui {

enum class SystemKind { Windows95, WindowsNT3, WindowsNT4OrLater, Other };
enum class PortClass { None, Parallel, SecondParallel, Usb, Network };

// The class a port name has by its form alone, never Network:
// "LPT1:" to "LPT9:" Parallel, "LPTN1:" to "LPTN9:" SecondParallel,
// "LPTUSB1" to "LPTUSB9" (no colon) Usb, anything else None.
PortClass PortClassOfName(std::string_view port);

// The port classes a printer of the system may be on for alarm mail.
bool PortClassAllowed(SystemKind system, PortClass portClass);

// One printer as the spooler lists it with its details.
struct LocalPrinter {
  std::string name;
  std::string driver;
  std::string port;
  std::string printProcessor;
  std::uint32_t attributes = 0;
};

// The spooler's printer attributes deciding looks at.
inline constexpr std::uint32_t kAttributeNetwork = 0x10;
inline constexpr std::uint32_t kAttributeBidirectional = 0x800;

// What deciding asks of and writes to the registry and the system.
struct EligibilityCalls {
  void* context;
  // The model's key below "SOFTWARE\NRV\Prindora\Printers" opens.
  bool (*modelKeyOpens)(void* context, const std::string& model);
  // That key has "RMMSUPPORT".
  bool (*modelTakesPart)(void* context, const std::string& model);
  bool (*tcpIpInstalled)(void* context);
  // The port is one of the suite's network port monitor.
  bool (*isNetworkPort)(void* context, const std::string& port);
  // Writes the printer's "DAV_PRNSTATUS".
  void (*writeEligible)(void* context, const std::string& printer, std::uint32_t value);
  // The printer's "DAV_CHECKMAIL"; nothing when it is missing or unreadable.
  std::optional<std::uint32_t> (*checkMail)(void* context, const std::string& printer);
  // Writes the model key's "RMMSUPPORT".
  void (*writeSupport)(void* context, const std::string& model, std::uint32_t kind);
};

// What the decision answers.
inline constexpr int kNotEligible = 0;
inline constexpr int kEligible = 1;
inline constexpr int kEligibleWithMail = 2;  // and its "DAV_CHECKMAIL" is nonzero

// Decides and writes. A printer that is not the maker's, or whose model has
// no key, is left as it is; any other gets its "DAV_PRNSTATUS" written.
int DecideEligibility(const LocalPrinter& printer, SystemKind system, const EligibilityCalls& calls);

}  // namespace maintui
