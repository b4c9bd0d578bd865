#pragma once
// One client connection, from accept to close, on a non-blocking socket.
// The recording is put in place before the sink's last word reaches the
// client (the reply to QUIT, or the close in close mode), so a client that
// has read that reply finds its session file already there.

#include <poll.h>

#include <span>
#include <string>

#include "tools/shared/unique_fd.h"
#include "tools/smtpsink/session_recording.h"
#include "tools/smtpsink/sink_dialogue.h"

namespace smtpsink {

class SinkSession {
 public:
  // Greets the client as the mode wants; in close mode the session is over
  // at once.
  SinkSession(tools::UniqueFd socket, SessionRecording recording, SinkMode mode);

  int fd() const { return socket_.get(); }
  bool over() const { return !socket_; }

  // What to poll the socket for.
  short Wanted() const;

  // Reads into `buffer` or writes, as poll's `revents` allow.
  void Handle(short revents, std::span<char> buffer);

  // Ends the session where it stands, recording what has arrived.
  void Stop();

 private:
  void Read(std::span<char> buffer);
  void Flush();
  void Record(const char* end);
  void Finish(const char* end);
  void CloseWhenAnswered();

  tools::UniqueFd socket_;
  SessionRecording recording_;
  SinkDialogue dialogue_;
  std::string unsent_;
  bool recorded_ = false;
};

}  // namespace smtpsink
