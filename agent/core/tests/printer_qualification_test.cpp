#include "agent/core/printer_qualification.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace agent {
namespace {

// The registry as qualifying sees it, and what it writes.
struct FakeRegistry {
  std::set<std::string> takingPart;
  std::map<std::string, std::uint32_t> checkMail;
  std::map<std::string, int> recorded;

  QualificationCalls calls() { return {this, TakesPart, CheckMail, Record}; }

  static FakeRegistry& Of(void* context) { return *static_cast<FakeRegistry*>(context); }
  static bool TakesPart(void* context, const std::string& model) {
    return Of(context).takingPart.contains(model);
  }
  static std::optional<std::uint32_t> CheckMail(void* context, const std::string& printer) {
    const auto& values = Of(context).checkMail;
    const auto found = values.find(printer);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  static void Record(void* context, const std::string& model, int kind) {
    Of(context).recorded[model] = kind;
  }
};

TEST(PrinterQualification, ModelIsTheDriverNameAfterTheMakersWord) {
  EXPECT_EQ(ModelOf("NRV LP-9800C"), "LP-9800C");
  EXPECT_EQ(ModelOf("NRV "), "");
  for (const char* other : {"nrv LP-9800C", "NRVLP-9800C", " NRV LP-9800C", "Other LP", ""}) {
    EXPECT_EQ(ModelOf(other), std::nullopt) << other;
  }
}

TEST(PrinterQualification, OnlyTheMakersPrintersOfTakingPartModelsQualify) {
  FakeRegistry registry;
  registry.takingPart = {"LP-9800C"};
  EXPECT_FALSE(QualifyPrinter("Office", "Other Laser", registry.calls()));
  EXPECT_FALSE(QualifyPrinter("Office", "NRV LP-8800", registry.calls()));
  EXPECT_FALSE(QualifyPrinter(nullptr, "NRV LP-9800C", registry.calls()));
  EXPECT_FALSE(QualifyPrinter("Office", nullptr, registry.calls()));
  EXPECT_TRUE(registry.recorded.empty());
}

TEST(PrinterQualification, MailKindFollowsEitherAlarmBitAndIsRecordedForTheModel) {
  FakeRegistry registry;
  registry.takingPart = {"LP-9800C"};
  registry.checkMail = {{"Toner", 0x01}, {"Maintenance", 0x10}, {"Neither", 0x22}};
  EXPECT_EQ(QualifyPrinter("Toner", "NRV LP-9800C", registry.calls())->mailKind, 2);
  EXPECT_EQ(QualifyPrinter("Maintenance", "NRV LP-9800C", registry.calls())->mailKind, 2);
  EXPECT_EQ(registry.recorded["LP-9800C"], 2);
  const auto neither = QualifyPrinter("Neither", "NRV LP-9800C", registry.calls());
  ASSERT_TRUE(neither);
  EXPECT_EQ(neither->name, "Neither");
  EXPECT_EQ(neither->mailKind, 1);
  EXPECT_EQ(registry.recorded["LP-9800C"], 1);  // the last printer looked at
}

TEST(PrinterQualification, APrinterWithoutItsCheckValueWantsNoMailAndWritesNothing) {
  FakeRegistry registry;
  registry.takingPart = {"LP-9800C"};
  const auto printer = QualifyPrinter("Office", "NRV LP-9800C", registry.calls());
  ASSERT_TRUE(printer);
  EXPECT_EQ(printer->mailKind, 1);
  EXPECT_TRUE(registry.recorded.empty());
}

}  // namespace
}  // namespace agent
