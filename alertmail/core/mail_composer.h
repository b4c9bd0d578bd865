#pragma once
// The mail for one notice: the Shift_JIS body, the header block and the
// recipients, with the log messages composing gave rise to.

#include <string>
#include <vector>

#include "alertmail/core/mail_settings.h"
#include "common/dav_records.h"

namespace alertmail {

inline constexpr std::size_t kNameCapacity = 200;     // a name or subject converted
inline constexpr std::size_t kHeaderWordCapacity = 400;
inline constexpr std::size_t kBodyCapacity = 4096;

struct ComposedMail {
  std::string body;    // Shift_JIS, before conversion
  std::string header;  // ready to send, every line ending in "\r\n"
  std::vector<std::string> recipients;  // To, then Cc, then the administrator
  bool senderUsable = false;            // the envelope sender may go on the wire
  std::vector<std::string> errors;      // messages for the mail log
};

// `bodyTime` is the time line the body shows. Values that would end a
// header or a command early (a line break or other control character) are
// refused and named in `errors`: a To or Cc address is not sent to, a name
// or subject is left out, a sender address stops the mail.
ComposedMail ComposeMail(const MailSettings& settings, const DavNoticeRequest& request,
                         const std::string& printer, const std::string& bodyTime);

// The request's To and Cc lists split at commas, each address at most 99
// bytes, empty pieces skipped, spaces kept.
std::vector<std::string> SplitAddresses(const std::string& list);

// True when `text` holds a byte below 0x20 or 0x7F.
bool HasControlCharacter(const std::string& text);

// A bounded field of the request as text.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  std::size_t n = 0;
  while (n < N && field[n] != '\0') ++n;
  return std::string(field, n);
}

}  // namespace alertmail
