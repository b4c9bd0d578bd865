#pragma once
// One notice mail for one printer: composed from the notice and the mail
// settings, delivered over SMTP, and every failure written to the mail log.
// The settings and the log come through a seam; the export passes the
// registry and the log file.

#include <string>

#include "alertmail/core/mail_settings.h"
#include "common/dav_records.h"

namespace alertmail {

struct SenderCalls {
  void* context;
  MailSettings (*readSettings)(void* context);
  // One entry of the mail log, written whole.
  void (*log)(void* context, const std::string& entry);
};

// The registry's settings and the mail log file.
SenderCalls WindowsSenderCalls();

// 1 once the mail went its way, whatever became of it (the log tells); 0
// only when an exception ended the work, with the thread's last error set.
int SendNotice(const char* printerName, const DavNoticeRequest* request, const SenderCalls& calls);

}  // namespace alertmail
