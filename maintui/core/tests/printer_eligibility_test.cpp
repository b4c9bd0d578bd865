#include "maintui/core/printer_eligibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace maintui {
namespace {

using Log = std::vector<std::string>;

// The registry and the system as deciding sees them; every call is logged in
// order, questions and writes alike.
struct FakeSystem {
  std::set<std::string> openingKeys = {"LP-9800C"};
  std::set<std::string> takingPart = {"LP-9800C"};
  bool tcpIp = true;
  std::set<std::string> networkPorts = {"NIC_10.0.0.5"};
  std::map<std::string, std::uint32_t> checkMail;
  Log log;

  EligibilityCalls calls() {
    return {this, KeyOpens, TakesPart, TcpIp, NetworkPort, WriteEligible, CheckMail, WriteSupport};
  }
  Log writes() const {
    Log found;
    for (const std::string& entry : log) {
      if (entry.starts_with("eligible ") || entry.starts_with("support ")) found.push_back(entry);
    }
    return found;
  }

  static FakeSystem& Of(void* context) { return *static_cast<FakeSystem*>(context); }
  static bool KeyOpens(void* context, const std::string& model) {
    Of(context).log.push_back("opens " + model);
    return Of(context).openingKeys.contains(model);
  }
  static bool TakesPart(void* context, const std::string& model) {
    Of(context).log.push_back("takes part " + model);
    return Of(context).takingPart.contains(model);
  }
  static bool TcpIp(void* context) {
    Of(context).log.push_back("tcpip");
    return Of(context).tcpIp;
  }
  static bool NetworkPort(void* context, const std::string& port) {
    Of(context).log.push_back("network port " + port);
    return Of(context).networkPorts.contains(port);
  }
  static void WriteEligible(void* context, const std::string& printer, std::uint32_t value) {
    Of(context).log.push_back("eligible " + printer + " " + std::to_string(value));
  }
  static std::optional<std::uint32_t> CheckMail(void* context, const std::string& printer) {
    Of(context).log.push_back("checkmail " + printer);
    const auto& values = Of(context).checkMail;
    const auto found = values.find(printer);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  static void WriteSupport(void* context, const std::string& model, std::uint32_t kind) {
    Of(context).log.push_back("support " + model + " " + std::to_string(kind));
  }
};

LocalPrinter EligibleOnLpt1() {
  return {"PRN", "NRV LP-9800C", "LPT1:", "WinPrint", kAttributeBidirectional};
}

TEST(PrinterEligibility, PortClassComesFromTheNamesFormInAnyCase) {
  const std::map<PortClass, std::vector<const char*>> forms = {
      {PortClass::Parallel, {"LPT1:", "LPT9:", "lpt2:", "Lpt3:"}},
      {PortClass::SecondParallel, {"LPTN1:", "LPTN9:", "lptn2:"}},
      {PortClass::Usb, {"LPTUSB1", "LPTUSB9", "lptusb3", "LptUsb4"}},
      {PortClass::None,
       {"LPT10:", "LPT0:", "LPT1", "LPT:", "LPT1::", " LPT1:", "LPTN0:", "LPTN1", "LPTN10:", "LPTN:", "LPTUSB1:",
        "LPTUSB", "LPTUSB0", "LPTUSB10", "LPTX1:", "COM1:", "FILE:", "NIC_10.0.0.5", "", "LPT"}},
  };
  for (const auto& [portClass, names] : forms) {
    for (const char* name : names) EXPECT_EQ(PortClassOfName(name), portClass) << name;
  }
}

TEST(PrinterEligibility, EachSystemAllowsItsOwnPortClasses) {
  using enum PortClass;
  const std::map<SystemKind, std::set<PortClass>> allowed = {
      {SystemKind::Windows95, {Parallel, Usb, Network}},
      {SystemKind::WindowsNT3, {SecondParallel, Network}},
      {SystemKind::WindowsNT4OrLater, {Parallel, Network}},
      {SystemKind::Other, {}},
  };
  for (const auto& [system, classes] : allowed) {
    for (PortClass portClass : {None, Parallel, SecondParallel, Usb, Network}) {
      EXPECT_EQ(PortClassAllowed(system, portClass), classes.contains(portClass))
          << static_cast<int>(system) << " " << static_cast<int>(portClass);
    }
  }
}

TEST(PrinterEligibility, AnEligiblePrinterIsAskedAboutAndWrittenInOrder) {
  FakeSystem system;
  system.checkMail["PRN"] = 0x01;
  LocalPrinter printer = EligibleOnLpt1();
  printer.port = "NIC_10.0.0.5";
  EXPECT_EQ(DecideEligibility(printer, SystemKind::WindowsNT4OrLater, system.calls()), kEligibleWithMail);
  EXPECT_EQ(system.log, (Log{"opens LP-9800C", "tcpip", "takes part LP-9800C", "network port NIC_10.0.0.5",
                             "eligible PRN 1", "checkmail PRN", "support LP-9800C 2"}));
}

TEST(PrinterEligibility, ItsCheckMailValueDecidesTheModelsSupportAndTheAnswer) {
  struct Case {
    std::optional<std::uint32_t> checkMail;
    int answer;
    Log writes;
  };
  const Case cases[] = {
      {0x22, kEligibleWithMail, {"eligible PRN 1", "support LP-9800C 2"}},
      {0, kEligible, {"eligible PRN 1", "support LP-9800C 1"}},
      {std::nullopt, kEligible, {"eligible PRN 1"}},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    if (c.checkMail) system.checkMail["PRN"] = *c.checkMail;
    EXPECT_EQ(DecideEligibility(EligibleOnLpt1(), SystemKind::WindowsNT4OrLater, system.calls()), c.answer);
    EXPECT_EQ(system.writes(), c.writes);
  }
}

TEST(PrinterEligibility, APrinterNotTheMakersOrWithoutAModelKeyIsLeftAsItIs) {
  for (const char* driver : {"NRVLP-9800C", "nrv LP-9800C", "Generic", "", "NRV LP-8800"}) {
    FakeSystem system;
    LocalPrinter printer = EligibleOnLpt1();
    printer.driver = driver;
    EXPECT_EQ(DecideEligibility(printer, SystemKind::WindowsNT4OrLater, system.calls()), kNotEligible) << driver;
    EXPECT_EQ(system.writes(), Log{}) << driver;
  }
}

TEST(PrinterEligibility, AFailingConditionWritesZeroAndAsksNoFurther) {
  FakeSystem system;
  system.tcpIp = false;
  EXPECT_EQ(DecideEligibility(EligibleOnLpt1(), SystemKind::WindowsNT4OrLater, system.calls()), kNotEligible);
  EXPECT_EQ(system.log, (Log{"opens LP-9800C", "tcpip", "eligible PRN 0"}));
}

TEST(PrinterEligibility, EachConditionOnItsOwnDecides) {
  struct Case {
    const char* what;
    std::function<void(FakeSystem&, LocalPrinter&)> change;
    bool eligible;
  };
  const Case cases[] = {
      {"model not taking part", [](FakeSystem& s, LocalPrinter&) { s.takingPart.clear(); }, false},
      {"own print processor", [](FakeSystem&, LocalPrinter& p) { p.printProcessor = "NRVPDD"; }, false},
      {"processor in lower case", [](FakeSystem&, LocalPrinter& p) { p.printProcessor = "nrvpdd"; }, true},
      {"processor named longer", [](FakeSystem&, LocalPrinter& p) { p.printProcessor = "NRVPDD2"; }, true},
      {"network printer", [](FakeSystem&, LocalPrinter& p) { p.attributes |= kAttributeNetwork; }, false},
      {"not bidirectional", [](FakeSystem&, LocalPrinter& p) { p.attributes = 0; }, false},
      {"other attributes", [](FakeSystem&, LocalPrinter& p) { p.attributes |= 0x4; }, true},
      {"port of another monitor", [](FakeSystem&, LocalPrinter& p) { p.port = "COM1:"; }, false},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    LocalPrinter printer = EligibleOnLpt1();
    c.change(system, printer);
    EXPECT_EQ(DecideEligibility(printer, SystemKind::WindowsNT4OrLater, system.calls()),
              c.eligible ? kEligible : kNotEligible)
        << c.what;
    EXPECT_EQ(system.writes(), Log{c.eligible ? "eligible PRN 1" : "eligible PRN 0"}) << c.what;
  }
}

TEST(PrinterEligibility, ThePortMustSuitTheSystem) {
  struct Case {
    const char* port;
    SystemKind system;
    bool eligible;
  };
  const Case cases[] = {
      {"LPTUSB1", SystemKind::Windows95, true},
      {"LPTUSB1", SystemKind::WindowsNT4OrLater, false},
      {"LPTN1:", SystemKind::WindowsNT3, true},
      {"LPT1:", SystemKind::WindowsNT3, false},
      {"NIC_10.0.0.5", SystemKind::Windows95, true},
      {"NIC_10.0.0.5", SystemKind::WindowsNT3, true},
      {"NIC_10.0.0.5", SystemKind::WindowsNT4OrLater, true},
      {"NIC_10.0.0.5", SystemKind::Other, false},
      {"OTHER_10.0.0.5", SystemKind::Windows95, false},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    LocalPrinter printer = EligibleOnLpt1();
    printer.port = c.port;
    EXPECT_EQ(DecideEligibility(printer, c.system, system.calls()), c.eligible ? kEligible : kNotEligible)
        << c.port << " " << static_cast<int>(c.system);
  }
}

}  // namespace
}  // namespace maintui
