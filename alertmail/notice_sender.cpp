#include <winsock2.h>
#include <windows.h>

#include "alertmail/notice_sender.h"

#include "alertmail/core/iso2022jp.h"
#include "alertmail/core/mail_composer.h"
#include "alertmail/core/smtp_dialogue.h"
#include "alertmail/settings_reader.h"
#include "alertmail/smtp_connection.h"
#include "common/mail_log.h"
#include "common/win/entry_guard.h"
#include "common/win/mail_log_file.h"
#include "common/win/winsock_session.h"

namespace alertmail {
namespace {

class MailLog {
 public:
  MailLog(const SenderCalls& calls, const LogTime& time, const DavNoticeRequest& request,
          const std::string& printer)
      : calls_(calls),
        time_(time),
        to_(FieldText(request.to)),
        cc_(FieldText(request.cc)),
        printer_(printer),
        summary_(FieldText(request.summary)) {}

  void Write(const std::string* error) const {
    calls_.log(calls_.context, MailLogEntry(time_, {to_, cc_, printer_, summary_}, error));
  }
  void Error(const std::string& message) const { Write(&message); }

 private:
  const SenderCalls& calls_;
  LogTime time_;
  std::string to_, cc_, printer_, summary_;
};

LogTime Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

// This host's name; else the administrator's address before its '@'.
std::string HeloName(const std::string& mail) {
  char host[128] = {};
  if (gethostname(host, sizeof host - 1) == 0 && host[0] != '\0') return host;
  const std::size_t at = mail.find('@');
  return at != std::string::npos && at > 0 ? mail.substr(0, at) : "localhost";
}

std::string ConvertedBody(const std::string& body, const MailLog& log) {
  std::string converted;
  if (!ToIso2022Jp(body, kBodyCapacity, converted)) {
    log.Error("入力されたメッセージが長すぎます。4000ﾊﾞｲﾄ以下にして下さい。\r\n");
  }
  return converted;
}

void Deliver(const MailSettings& settings, const ComposedMail& mail, const std::string& body,
             const MailLog& log) {
  SmtpConnection connection;
  if (const std::string failure = connection.Connect(settings.server); !failure.empty()) {
    log.Error(failure);
    return;
  }
  const SmtpMessage message{HeloName(settings.mail), settings.mail, mail.recipients, mail.header,
                            body};
  for (const std::string& error : RunSmtpDialogue(connection, message)) log.Error(error);
  log.Write(nullptr);
}

int Send(const char* printerName, const DavNoticeRequest* request, const SenderCalls& calls) {
  DavNoticeRequest empty{};
  const DavNoticeRequest& notice = request != nullptr ? *request : empty;
  const std::string printer = printerName != nullptr ? printerName : "";
  const LogTime time = Now();
  const MailLog log(calls, time, notice, printer);

  const WinsockSession winsock(MAKEWORD(1, 1));
  if (!winsock.started()) log.Error(std::to_string(winsock.result()) + " is the err");

  const MailSettings settings = calls.readSettings(calls.context);
  const ComposedMail mail = ComposeMail(settings, notice, printer, NoticeTimeLine(time));
  for (const std::string& error : mail.errors) log.Error(error);
  const std::string body = ConvertedBody(mail.body, log);
  if (mail.senderUsable) Deliver(settings, mail, body, log);
  return 1;
}

MailSettings RegistrySettings(void*) { return ReadMailSettings(); }
void AppendToLogFile(void*, const std::string& entry) { AppendToMailLog(entry); }

}  // namespace

SenderCalls WindowsSenderCalls() { return {nullptr, RegistrySettings, AppendToLogFile}; }

int SendNotice(const char* printerName, const DavNoticeRequest* request, const SenderCalls& calls) {
  return GuardedEntry(0, [&] { return Send(printerName, request, calls); });
}

}  // namespace alertmail
