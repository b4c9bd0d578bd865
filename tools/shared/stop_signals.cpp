#include "tools/shared/stop_signals.h"

#include <pthread.h>
#include <signal.h>
#include <sys/signalfd.h>

namespace tools {

UniqueFd BlockStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  return UniqueFd(::signalfd(-1, &signals, SFD_CLOEXEC));
}

}  // namespace tools
