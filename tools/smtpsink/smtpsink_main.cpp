// Runs the recording SMTP server until SIGTERM or SIGINT. Prints "ready"
// once listening, so callers connect without guessing.

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "tools/shared/stop_signals.h"
#include "tools/smtpsink/command_line.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kRunError = 1;

int Fail(int code, const std::string& reason) {
  std::cerr << "smtpsink: " << reason << "\n";
  return code;
}

void WaitForStop(int stop) {
  signalfd_siginfo info{};
  while (::read(stop, &info, sizeof info) < 0 && errno == EINTR) {
  }
}

}  // namespace

int main(int argc, char** argv) {
  smtpsink::SinkSettings settings;
  std::string error;
  if (!smtpsink::ParseCommandLine(argc, argv, &settings, &error)) return Fail(kUsageError, error);
  // Whoever waited for "ready" may have closed its end of stdout since.
  ::signal(SIGPIPE, SIG_IGN);
  const tools::UniqueFd stop = tools::BlockStopSignals();
  smtpsink::SmtpSink sink(settings);
  if (!sink.Start(&error)) return Fail(kRunError, error);
  std::cout << "ready" << std::endl;
  WaitForStop(stop.get());
  sink.Stop();
  return 0;
}
