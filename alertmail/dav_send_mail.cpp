// alertmail: DAVSendMail composes one notice mail for one printer and
// delivers it over SMTP; what goes wrong goes to the mail log, the caller
// always gets 1.
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "alertmail/core/iso2022jp.h"
#include "alertmail/core/mail_composer.h"
#include "alertmail/core/smtp_dialogue.h"
#include "alertmail/settings_reader.h"
#include "alertmail/smtp_connection.h"
#include "common/dav_records.h"
#include "common/mail_log.h"
#include "common/win/mail_log_file.h"

namespace {

class MailLog {
 public:
  MailLog(const LogTime& time, const DavNoticeRequest& request, const std::string& printer)
      : time_(time),
        to_(alertmail::FieldText(request.to)),
        cc_(alertmail::FieldText(request.cc)),
        printer_(printer),
        summary_(alertmail::FieldText(request.summary)) {}

  void Write(const std::string* error) const {
    AppendToMailLog(MailLogEntry(time_, {to_, cc_, printer_, summary_}, error));
  }
  void Error(const std::string& message) const { Write(&message); }

 private:
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
  if (!alertmail::ToIso2022Jp(body, alertmail::kBodyCapacity, converted)) {
    log.Error("入力されたメッセージが長すぎます。4000ﾊﾞｲﾄ以下にして下さい。\r\n");
  }
  return converted;
}

void Deliver(const alertmail::MailSettings& settings, const alertmail::ComposedMail& mail,
             const std::string& body, const MailLog& log) {
  alertmail::SmtpConnection connection;
  if (const std::string failure = connection.Connect(settings.server); !failure.empty()) {
    log.Error(failure);
    return;
  }
  const alertmail::SmtpMessage message{HeloName(settings.mail), settings.mail, mail.recipients,
                                       mail.header, body};
  for (const std::string& error : alertmail::RunSmtpDialogue(connection, message)) log.Error(error);
  log.Write(nullptr);
}

}  // namespace

extern "C" __declspec(dllexport) int WINAPI DAVSendMail(const char* printerName, int,
                                                        DavNoticeRequest* request) {
  DavNoticeRequest empty{};
  const DavNoticeRequest& notice = request != nullptr ? *request : empty;
  const std::string printer = printerName != nullptr ? printerName : "";
  const LogTime time = Now();
  const MailLog log(time, notice, printer);

  WSADATA data;
  const int started = WSAStartup(MAKEWORD(1, 1), &data);
  if (started != 0) log.Error(std::to_string(started) + " is the err");

  const alertmail::MailSettings settings = alertmail::ReadMailSettings();
  const alertmail::ComposedMail mail =
      alertmail::ComposeMail(settings, notice, printer, NoticeTimeLine(time));
  for (const std::string& error : mail.errors) log.Error(error);
  const std::string body = ConvertedBody(mail.body, log);
  if (mail.senderUsable) Deliver(settings, mail, body, log);
  if (started == 0) WSACleanup();
  return 1;
}
