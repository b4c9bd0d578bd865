#include "rmmmodelui/alarm_settings.h"

#include "agent/core/printer_qualification.h"
#include "common/dav_registry.h"

namespace rmmui {
namespace {

constexpr std::size_t kDefaultRoom = 100;
constexpr std::size_t kPreviewRoom = 1000;
constexpr std::size_t kHelpRoom = MAX_PATH;

std::string PrinterKeyPath(const char* printer) { return std::string(dav::kPrintersKey) + "\\" + printer; }

RegistryKey MailSettings() { return RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ); }

}  // namespace

RegistryKey OpenPrinterSettings(const char* printer) {
  const std::string path = PrinterKeyPath(printer) + "\\" + dav::kDriverData;
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_ALL_ACCESS);
}

std::pair<std::string, std::string> DefaultRecipients() {
  const RegistryKey mail = MailSettings();
  return {mail.ReadTextUpTo(dav::kDefaultTo, kDefaultRoom), mail.ReadTextUpTo(dav::kDefaultCc, kDefaultRoom)};
}

StoredValues ReadStoredValues(AlarmPage page, const char* printer) {
  const AlarmPageDesign& design = DesignOf(page);
  const RegistryKey own = OpenPrinterSettings(printer);
  const RegistryKey mail = MailSettings();
  StoredValues values;
  values.to = own.ReadTextUpTo(design.toValue, kPreviewRoom);
  values.cc = own.ReadTextUpTo(design.ccValue, kPreviewRoom);
  values.comment = own.ReadTextUpTo(design.commentValue, kPreviewRoom);
  values.mail = mail.ReadTextUpTo(dav::kMail, kPreviewRoom);
  if (mail.Has(dav::kSubject)) values.subject = mail.ReadTextUpTo(dav::kSubject, kPreviewRoom);
  values.company = mail.ReadTextUpTo(dav::kCompany, kPreviewRoom);
  values.department = mail.ReadTextUpTo(dav::kDepartment, kPreviewRoom);
  values.address = mail.ReadTextUpTo(dav::kAddress, kPreviewRoom);
  values.tel = mail.ReadTextUpTo(dav::kTelephone, kPreviewRoom);
  return values;
}

std::string ModelHelpFile(const char* printer) {
  const RegistryKey printerKey = RegistryKey::Open(HKEY_LOCAL_MACHINE, PrinterKeyPath(printer).c_str(), KEY_READ);
  const auto model = agent::ModelOf(printerKey.ReadTextUpTo(dav::kPrinterDriver, kHelpRoom));
  if (!model) return {};
  const std::string modelPath = std::string(dav::kModelsKey) + "\\" + *model;
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, modelPath.c_str(), KEY_READ).ReadTextUpTo(dav::kPagesHelp, kHelpRoom);
}

}  // namespace rmmui
