#pragma once
// A recording SMTP server for tests and benchmarks, on a loopback address.
// Every connection is one session, recorded byte for byte in its own file
// of the record folder (see record_folder.h and session_summary.h), and
// answered as the mode says (sink_mode.h).

#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "tools/smtpsink/record_folder.h"
#include "tools/smtpsink/sink_mode.h"

namespace smtpsink {

struct SinkSettings {
  std::string ip = "127.0.0.1";  // inside 127.0.0.0/8
  std::uint16_t port = 0;        // 0: one the system chooses
  SinkMode mode = SinkMode::kAccept;
  std::string recordDir;         // created when missing
};

class SinkLoop;

class SmtpSink {
 public:
  explicit SmtpSink(SinkSettings settings);
  ~SmtpSink();
  SmtpSink(const SmtpSink&) = delete;
  SmtpSink& operator=(const SmtpSink&) = delete;

  // Listening once this returns true; false with a reason.
  bool Start(std::string* error);
  // Sessions still open are recorded as they stand.
  void Stop();

  // The port listened on, once started.
  std::uint16_t port() const { return port_; }

  // Until `count` sessions have ended and been recorded; false after
  // `timeoutMs`. Any thread.
  bool WaitForSessions(int count, int timeoutMs) const;

 private:
  SinkSettings settings_;
  RecordFolder folder_;
  std::uint16_t port_ = 0;
  std::unique_ptr<SinkLoop> loop_;
  std::thread thread_;
};

}  // namespace smtpsink
