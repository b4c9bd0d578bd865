#include "common/mail_log.h"

#include <cstdio>

namespace {

const std::string kRule = std::string(70, '=') + "\r\n";

std::string Format(const char* pattern, int a, int b, int c, int d, int e) {
  char line[128];
  std::snprintf(line, sizeof line, pattern, a, b, c, d, e);
  return line;
}

}  // namespace

std::string ErrorLogEntry(const LogTime& t, std::string_view message, LogTimeGap gap) {
  const char* pattern = gap == LogTimeGap::TwoSpaces ? "エラー検出： %d/%d/%d  %d：%d\r\n"
                                                     : "エラー検出： %d/%d/%d　%d：%d\r\n";
  return kRule + Format(pattern, t.year, t.month, t.day, t.hour, t.minute) + "エラー： " +
         std::string(message) + kRule;
}

std::string NoticeTimeLine(const LogTime& t) {
  return Format("通知アラーム検出： %04d/%02d/%02d  %02d：%02d\r\n", t.year, t.month, t.day,
                t.hour, t.minute);
}

std::string MailLogEntry(const LogTime& time, const MailLogFields& f, const std::string* error) {
  std::string entry = kRule + NoticeTimeLine(time);
  entry += "To: " + std::string(f.to) + "\r\n";
  entry += "Cc: " + std::string(f.cc) + "\r\n";
  entry += "プリンタ名： " + std::string(f.printer) + "\r\n";
  entry += "通知概要： " + std::string(f.summary) + "\r\n";
  if (error != nullptr) entry += "エラー： " + *error;
  return entry + kRule;
}
