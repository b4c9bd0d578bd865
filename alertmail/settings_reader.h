#pragma once
// The mail settings from "SOFTWARE\NRV\Prindora\DAV".

#include "alertmail/core/mail_settings.h"

namespace alertmail {

MailSettings ReadMailSettings();

}  // namespace alertmail
