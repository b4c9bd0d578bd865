// alertmail: DAVSendMail composes one notice mail for one printer and
// delivers it over SMTP; what goes wrong goes to the mail log, and the
// caller gets 1.
#include <windows.h>

#include "alertmail/notice_sender.h"

extern "C" __declspec(dllexport) int WINAPI DAVSendMail(const char* printerName, int,
                                                        DavNoticeRequest* request) {
  return alertmail::SendNotice(printerName, request, alertmail::WindowsSenderCalls());
}
