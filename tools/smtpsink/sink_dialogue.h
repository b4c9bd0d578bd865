#pragma once
// The server's side of an SMTP conversation, without the socket: what the
// client sent goes in, the replies it calls for come out. Clients may send
// ahead without waiting for replies (a mail sender puts its header block
// behind DATA in the same send), so input is taken in any pieces.
//
// accept: 220 greeting, 250 to HELO, EHLO (no extensions), MAIL, RCPT, RSET,
// NOOP and the end of data, 354 to DATA, 221 to QUIT; commands out of order
// get 503, unknown ones 500.
// reject: 554 to the greeting and every command, DATA included, whose data
// is still read up to its end (which gets 554 too).
// silent: no replies at all.

#include <string>
#include <string_view>

#include "tools/smtpsink/data_end_scanner.h"
#include "tools/smtpsink/sink_mode.h"

namespace smtpsink {

class SinkDialogue {
 public:
  explicit SinkDialogue(SinkMode mode) : mode_(mode) {}

  std::string Greeting() const;

  // The replies to everything complete in `bytes`, in order. Nothing after
  // QUIT is taken.
  std::string Take(std::string_view bytes);

  // QUIT has been answered.
  bool ended() const { return ended_; }

 private:
  std::string_view TakeData(std::string_view bytes, std::string& replies);
  std::string_view TakeLine(std::string_view bytes, std::string& replies);
  std::string Answer(std::string_view line);
  std::string Accept(std::string_view verb);
  std::string StartData(bool acceptable);
  std::string EndData();

  SinkMode mode_;
  std::string partialLine_;
  bool inData_ = false;
  bool lineEndedInCrlf_ = false;
  DataEndScanner dataEnd_;
  bool hasSender_ = false;
  int recipients_ = 0;
  bool ended_ = false;
};

}  // namespace smtpsink
