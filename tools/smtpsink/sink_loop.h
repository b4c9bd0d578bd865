#pragma once
// The serving thread's loop: one poll over the stop signal, the listening
// socket and every open session, so sessions are served several at once
// without a thread each.

#include <memory>
#include <vector>

#include "tools/shared/unique_fd.h"
#include "tools/smtpsink/record_folder.h"
#include "tools/smtpsink/sink_session.h"

namespace smtpsink {

class SinkLoop {
 public:
  // `stop` is an eventfd that Quit signals.
  SinkLoop(tools::UniqueFd listener, tools::UniqueFd stop, SinkMode mode, RecordFolder& folder);

  // Serves until Quit; sessions still open then are recorded as they stand.
  void Run();

  // Any thread.
  void Quit();

 private:
  std::vector<pollfd> PollList() const;
  void Serve(const std::vector<pollfd>& fds);
  void AcceptAll();

  tools::UniqueFd listener_;
  tools::UniqueFd stop_;
  SinkMode mode_;
  RecordFolder& folder_;
  std::vector<std::unique_ptr<SinkSession>> sessions_;
  std::vector<char> buffer_;
};

}  // namespace smtpsink
