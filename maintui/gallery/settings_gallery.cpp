// A look at the two mail notification sheets as an administrator sees them,
// for judging their layout on screen. Not a test.
//
//   settings_gallery sample        writes sample settings: the workstation's
//                                  mail settings and the printer's alarm pages
//   settings_gallery mail          the mail settings sheet
//   settings_gallery alarm NAME    the alarm settings sheet of printer NAME,
//                                  through rmmmodelui.dll beside the program
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "common/dav_registry.h"
#include "common/dav_ui_entries.h"
#include "common/win/library.h"
#include "common/win/registry_key.h"
#include "maintui/mail_settings_sheet.h"

namespace {

constexpr char kSamplePrinter[] = "LP-9800C 2F";

void WriteSample() {
  const RegistryKey mail = RegistryKey::Create(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_ALL_ACCESS);
  mail.WriteString(dav::kName, "山田 太郎");
  mail.WriteString(dav::kMail, "yamada.taro@office.example.jp");
  mail.WriteString(dav::kServer, "mail.office.example.jp");
  mail.WriteString(dav::kDefaultTo, "printer-admin@office.example.jp");
  mail.WriteString(dav::kDefaultCc, "soumu@office.example.jp");
  mail.WriteString(dav::kCompany, "山田商事株式会社");
  mail.WriteString(dav::kDepartment, "総務部 情報システム課");
  mail.WriteString(dav::kAddress, "東京都千代田区丸の内一丁目2番3号\r\n丸の内ビル 12階");
  mail.WriteString(dav::kTelephone, "03-1234-5678");
  const std::string printer = std::string(dav::kPrintersKey) + "\\" + kSamplePrinter;
  RegistryKey::Create(HKEY_LOCAL_MACHINE, printer.c_str(), KEY_ALL_ACCESS)
      .WriteString(dav::kPrinterDriver, "NRV LP-9800C");
  const RegistryKey own =
      RegistryKey::Create(HKEY_LOCAL_MACHINE, (printer + "\\" + dav::kDriverData).c_str(), KEY_ALL_ACCESS);
  own.WriteString(dav::kTonerTo, "printer-admin@office.example.jp");
  own.WriteString(dav::kTonerCc, "soumu@office.example.jp");
  own.WriteString(dav::kTonerComment, "2階複合機のトナーが切れました。\r\n予備は書庫の棚にあります。");
  own.WriteDword(dav::kCheckMail, dav::kTonerOutMail);
}

int ShowAlarm(const char* printer) {
  const Library pages(LoadLibraryA("rmmmodelui.dll"));
  const auto show = pages.Find<DavUiDllMainEntry>("DavUiDllMain");
  return show != nullptr ? (show(printer, 0, nullptr) == 1 ? 0 : 1) : 2;
}

}  // namespace

int main(int argc, char** argv) {
  InitCommonControls();
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "sample") == 0) {
    WriteSample();
    return 0;
  }
  if (std::strcmp(mode, "mail") == 0) {
    maintui::ShowMailSettingsSheet(nullptr);
    return 0;
  }
  if (std::strcmp(mode, "alarm") == 0) return ShowAlarm(argc > 2 ? argv[2] : kSamplePrinter);
  return 2;
}
