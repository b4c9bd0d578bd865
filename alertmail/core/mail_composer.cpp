#include "alertmail/core/mail_composer.h"

#include "alertmail/core/header_word.h"
#include "alertmail/core/iso2022jp.h"

namespace alertmail {
namespace {

constexpr char kTitle[] = "ＮＲＶ Scribex Prindora メール通知";
constexpr std::size_t kAddressLimit = 99;

std::string Body(const MailSettings& settings, const DavNoticeRequest& request,
                 const std::string& printer, const std::string& bodyTime) {
  std::string body = "\r\n" + std::string(kTitle) + "\r\n\r\n通知概要： " +
                     FieldText(request.summary) + "\r\n\r\nプリンタ名： " + printer + "\r\n\r\n";
  body += "通知アラーム： " + FieldText(request.alarm) + "\r\n\r\n";
  body += bodyTime + "\r\n\r\n\r\n";
  body += FieldText(request.message);
  if (!settings.complete) return body;
  body += "\r\n\r\n\r\n\r\n" + std::string(40, '*') + "\r\n";
  if (!settings.company.empty()) body += settings.company + "\r\n";
  if (!settings.department.empty()) body += settings.department + "\r\n\r\n";
  body += settings.name + "\r\n\r\n";
  if (!settings.address.empty()) body += settings.address + "\r\n\r\n";
  if (!settings.telephone.empty()) body += settings.telephone + "\r\n";
  return body;
}

// The header form of a Shift_JIS text, or nothing when it does not fit.
bool HeaderText(const std::string& text, std::string& encoded) {
  std::string converted;
  return ToIso2022Jp(text, kNameCapacity, converted) &&
         EncodeHeaderWord(converted, kHeaderWordCapacity, encoded);
}

// "From: name <address>", or the address alone when the name cannot be
// carried.
std::string NamedAddressLine(const char* field, const MailSettings& settings,
                             const char* tooLong, std::vector<std::string>& errors) {
  std::string encoded;
  if (HasControlCharacter(settings.name)) {
    errors.push_back(std::string("管理者名に制御文字が含まれているため、") + field +
                     "には付加されません。\r\n");
  } else if (HeaderText(settings.name, encoded)) {
    return std::string(field) + ": " + encoded + " <" + settings.mail + ">\r\n";
  } else {
    errors.push_back(tooLong);
  }
  return std::string(field) + ": " + settings.mail + "\r\n";
}

// The addresses of one list that may be sent to; the header shows those.
std::vector<std::string> UsableAddresses(const std::string& list,
                                         std::vector<std::string>& errors) {
  std::vector<std::string> usable;
  for (const std::string& address : SplitAddresses(list)) {
    if (HasControlCharacter(address)) {
      errors.push_back("制御文字を含むアドレスには送信しません。\r\n");
    } else {
      usable.push_back(address);
    }
  }
  return usable;
}

std::string Joined(const std::vector<std::string>& addresses) {
  std::string list;
  for (const std::string& address : addresses) list += (list.empty() ? "" : ",") + address;
  return list;
}

// A list as written when nothing was refused, else the usable addresses.
std::string HeaderList(const std::string& list, const std::vector<std::string>& usable) {
  return HasControlCharacter(list) ? Joined(usable) : list;
}

std::string Header(const MailSettings& settings, const std::string& to, const std::string& cc,
                   const std::vector<std::string>& toUsable,
                   const std::vector<std::string>& ccUsable, std::vector<std::string>& errors) {
  std::string header = "To: " + HeaderList(to, toUsable) + "\r\n";
  if (!settings.name.empty()) {
    header += NamedAddressLine("From", settings,
                               "文字列が長すぎるため、送信元名は付加されません。\r\n", errors);
  } else {
    header += "From: " + settings.mail + "\r\n";
  }
  if (!settings.mail.empty()) {
    header += NamedAddressLine("Reply-To", settings,
                               "文字列が長すぎるため、返信先名は付加されません。\r\n", errors);
  }
  if (!cc.empty()) header += "Cc: " + HeaderList(cc, ccUsable) + "\r\n";
  if (!settings.mail.empty()) header += "Bcc: " + settings.mail + "\r\n";
  if (!settings.subject.empty()) {
    std::string encoded;
    if (HasControlCharacter(settings.subject)) {
      errors.push_back("Subjectに制御文字が含まれているため、Subjectは付加されません。\r\n");
    } else if (HeaderText(settings.subject, encoded)) {
      header += "Subject: " + encoded + "\r\n";
    } else {
      errors.push_back("文字列が長すぎるため、Subjectは付加されません。\r\n");
    }
  }
  header += "Content-Type: text/plain; charset=ISO-2022-JP\r\n";
  header += "Content-Transfer-Encoding: 7bit\r\n";
  header += "Mime-Version: 1.0\r\n";
  return header;
}

}  // namespace

bool HasControlCharacter(const std::string& text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

std::vector<std::string> SplitAddresses(const std::string& list) {
  std::vector<std::string> addresses;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    std::string piece = list.substr(start, comma - start).substr(0, kAddressLimit);
    if (!piece.empty()) addresses.push_back(std::move(piece));
    start = comma + 1;
  }
  return addresses;
}

ComposedMail ComposeMail(const MailSettings& settings, const DavNoticeRequest& request,
                         const std::string& printer, const std::string& bodyTime) {
  ComposedMail mail;
  mail.body = Body(settings, request, printer, bodyTime);
  const std::string to = FieldText(request.to);
  const std::string cc = FieldText(request.cc);
  const std::vector<std::string> toUsable = UsableAddresses(to, mail.errors);
  const std::vector<std::string> ccUsable = UsableAddresses(cc, mail.errors);
  mail.recipients = toUsable;
  mail.recipients.insert(mail.recipients.end(), ccUsable.begin(), ccUsable.end());
  mail.senderUsable = !HasControlCharacter(settings.mail);
  if (!mail.senderUsable) {
    mail.errors.push_back("管理者のメールアドレスに制御文字が含まれているため、送信しません。\r\n");
  }
  mail.recipients.push_back(settings.mail);
  if (settings.complete) {
    mail.header = Header(settings, to, cc, toUsable, ccUsable, mail.errors);
  }
  return mail;
}

}  // namespace alertmail
