#include "rmmmodel/plugin_services.h"

#include <windows.h>

#include "common/mail_log.h"
#include "common/win/library.h"
#include "common/win/mail_log_file.h"
#include "common/win/registry_key.h"

namespace rmmmodel {
namespace {

using SendMailFunction = int(WINAPI*)(const char* printerName, int kind, DavNoticeRequest* request);

// Development setting: a DWORD "MailPauseMs" here replaces the pause after
// each mail, so that tests of programs loading the plug-in (the agent may
// run as a service, out of reach of the tester's environment) need not wait
// a minute per mail. Installations never have it.
constexpr wchar_t kDevelopmentKey[] = L"SOFTWARE\\NicSuite\\Development";
constexpr char kMailPauseValue[] = "MailPauseMs";

DWORD PauseOverride(DWORD standard) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, kDevelopmentKey, KEY_QUERY_VALUE)
      .ReadDword(kMailPauseValue)
      .value_or(standard);
}

// The mail library is loaded afresh for each mail, as it keeps nothing
// between mails either.
bool SendMail(void*, const char* printerName, int kind, DavNoticeRequest& request) {
  const Library mailer(LoadLibraryA("alertmail"));
  if (!mailer) return false;
  const auto send = mailer.Find<SendMailFunction>("DAVSendMail");
  return send != nullptr && send(printerName, kind, &request) != 0;
}

std::uint64_t UtcFileTimeNow(void*) {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

void Pause(void*, std::uint32_t milliseconds) { Sleep(PauseOverride(milliseconds)); }

void LogError(void*, const char* message) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const LogTime time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
  AppendToMailLog(ErrorLogEntry(time, message, LogTimeGap::FullWidthSpace));
}

}  // namespace

PluginServiceCalls WindowsServices() { return {nullptr, SendMail, UtcFileTimeNow, Pause, LogError}; }

}  // namespace rmmmodel
