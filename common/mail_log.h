#pragma once
// The mail log "log\PDMail.log" in the install directory: the one file the
// agents, the model plug-in and the mail sender append their entries to.
// These build the entries; common/win/mail_log_file writes them.

#include <string>
#include <string_view>

struct LogTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
};

// The agents write two ASCII spaces between date and time; the plug-in one
// full-width space.
enum class LogTimeGap { TwoSpaces, FullWidthSpace };

// "エラー検出： …" with the date and time without leading zeros, then
// "エラー： " and the message (which carries its own line end), framed by
// lines of 70 equals signs.
std::string ErrorLogEntry(const LogTime& time, std::string_view message, LogTimeGap gap);

// The mail sender's entry: when the call began, To, Cc, printer, summary,
// and the error line only when there is one.
struct MailLogFields {
  std::string_view to;
  std::string_view cc;
  std::string_view printer;
  std::string_view summary;
};
std::string MailLogEntry(const LogTime& time, const MailLogFields& fields,
                         const std::string* error);

// "通知アラーム検出： 1999/07/05  09：05\r\n", as the mail log and the mail
// body show the time a mail was begun (the body adds three more line ends).
std::string NoticeTimeLine(const LogTime& time);
