// "メール通知": mail when toner runs low, through a mail server, to To and Cc,
// from From, with a body of up to three lines (items 85 to 87).
#include <string>
#include <vector>

#include "nicconf/folder/folder_messages.h"
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

using F = SettingField;

constexpr char kLabel[] = "メールアドレス";
constexpr char kNoRecipient[] = "送信先 To:のメールアドレスが入力されていません。";
constexpr char kBadSender[] = "送信元 From:のメールアドレスが無効です。";
constexpr F kBodyLines[] = {F::MailBody1, F::MailBody2, F::MailBody3};

const FieldBinding kFields[] = {
    {IDC_MAIL_ENABLE, F::MailNotice, FieldKind::Check},
    {IDC_MAIL_SERVER, F::MailServer, FieldKind::Address},
    {IDC_MAIL_TO, F::MailTo, FieldKind::Text, TextClass::MailAddress, kLabel},
    {IDC_MAIL_CC, F::MailCc, FieldKind::Text, TextClass::MailAddress, kLabel},
    {IDC_MAIL_FROM, F::MailFrom, FieldKind::Text, TextClass::MailAddress, kLabel},
};

void EnableMail(HWND page) {
  EnableControls(page, {IDC_MAIL_SERVER_LABEL, IDC_MAIL_SERVER, IDC_MAIL_TO_LABEL, IDC_MAIL_TO,
                        IDC_MAIL_CC_LABEL, IDC_MAIL_CC, IDC_MAIL_FROM_LABEL, IDC_MAIL_FROM,
                        IDC_MAIL_BODY_LABEL, IDC_MAIL_BODY},
                 IsDlgButtonChecked(page, IDC_MAIL_ENABLE) == BST_CHECKED);
}

std::string StoredBody(const NicSettings& image) {
  std::string body;
  for (const F line : kBodyLines) {
    const auto text = ReadSetting(image, line);
    if (!text || text->empty()) continue;
    if (!body.empty()) body += "\r\n";
    body += *text;
  }
  return body;
}

std::vector<std::string> Lines(const std::string& body) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = body.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(body.substr(start, end - start));
  }
  lines.push_back(body.substr(start));
  return lines;
}

void Opened(HWND page, SheetState& sheet) {
  std::string body = StoredBody(sheet.image);
  if (body.empty()) body = DefaultMailBody(sheet.printer.name, sheet.printer.ip);
  SetDlgItemTextA(page, IDC_MAIL_BODY, body.c_str());
  EnableMail(page);
}

bool Refuse(HWND page, int control, const std::string& message) {
  ShowFolderText(GetParent(page), MessageLevel::Error, message);
  SetFocus(GetDlgItem(page, control));
  return false;
}

bool Leaving(HWND page, SheetState& sheet) {
  if (IsDlgButtonChecked(page, IDC_MAIL_ENABLE) != BST_CHECKED) return true;
  if (ControlText(page, IDC_MAIL_TO).empty() && ControlText(page, IDC_MAIL_CC).empty()) {
    return Refuse(page, IDC_MAIL_TO, kNoRecipient);
  }
  if (!IsSenderAddress(ControlText(page, IDC_MAIL_FROM))) return Refuse(page, IDC_MAIL_FROM, kBadSender);
  std::string body = ControlText(page, IDC_MAIL_BODY);
  if (body.empty()) body = DefaultMailBody(sheet.printer.name, sheet.printer.ip);
  const std::string message = CheckMailBody(body);
  if (!message.empty()) return Refuse(page, IDC_MAIL_BODY, message);
  const std::vector<std::string> lines = Lines(body);
  for (std::size_t i = 0; i < std::size(kBodyLines); ++i) {
    PutSetting(sheet, kBodyLines[i], i < lines.size() ? lines[i] : "");
  }
  return true;
}

void Command(HWND page, SheetState&, int control, int code) {
  if (code == BN_CLICKED && control == IDC_MAIL_ENABLE) EnableMail(page);
}

const PageDesign kDesign{SettingPage::MailNotice, kFields, Opened, Leaving, Command, nullptr};

}  // namespace

const PageDesign& MailNoticePage() { return kDesign; }

}  // namespace nic::sheets
