// Runs simulated printer NICs until SIGTERM or SIGINT. Prints "ready" once
// every NIC is bound, so callers start talking to it without guessing.

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/nicsim/command_line.h"
#include "tools/nicsim/control_command.h"
#include "tools/nicsim/event_line.h"
#include "tools/shared/loopback_socket.h"
#include "tools/shared/stop_signals.h"
#include "tools/nicsim/nic_config_file.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kRunError = 1;
constexpr char kControlAddress[] = "127.0.0.1";

int Fail(int code, const std::string& reason) {
  std::cerr << "nicsim: " << reason << "\n";
  return code;
}

void AnswerControl(nicsim::Simulator& simulator, int control) {
  char request[2048];
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  const ssize_t n = ::recvfrom(control, request, sizeof request, 0,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (n < 0) return;
  const std::string answer =
      nicsim::RunControlCommand(simulator, std::string(request, static_cast<std::size_t>(n)));
  ::sendto(control, answer.data(), answer.size(), 0, reinterpret_cast<const sockaddr*>(&from),
           fromLength);
}

void ServeUntilStopped(nicsim::Simulator& simulator, int stop, int control) {
  pollfd fds[] = {{stop, POLLIN, 0}, {control, POLLIN, 0}};
  const nfds_t count = control >= 0 ? 2 : 1;
  while (::poll(fds, count, -1) >= 0 || errno == EINTR) {
    if (fds[0].revents != 0) return;
    if (count > 1 && fds[1].revents != 0) AnswerControl(simulator, control);
  }
}

}  // namespace

int main(int argc, char** argv) {
  nicsim::CommandLine options;
  std::vector<nicsim::SimNic> nics;
  std::string error;
  if (!nicsim::ParseCommandLine(argc, argv, &options, &error)) return Fail(kUsageError, error);
  if (!options.network.empty() && !tools::AllowNetwork(options.network)) {
    return Fail(kUsageError, "bad network " + options.network);
  }
  if (!nicsim::ReadNicConfigFile(options.configPath, &nics, &error)) {
    return Fail(kUsageError, error);
  }
  std::ofstream log;
  if (!options.logPath.empty()) {
    log.open(options.logPath, std::ios::app);
    if (!log) return Fail(kUsageError, "cannot open log " + options.logPath);
  }
  const tools::UniqueFd stop = tools::BlockStopSignals();
  tools::UniqueFd control;
  if (options.controlPort) {
    control = tools::OpenUdpSocket(kControlAddress, *options.controlPort, &error);
    if (!control) return Fail(kRunError, error);
  }
  nicsim::Simulator simulator(options.jobDir);
  simulator.SetBroadcastAddress(options.broadcast);
  if (options.ipxPortBase) simulator.SetIpxPortBase(*options.ipxPortBase);
  if (log.is_open()) {
    simulator.SetEventListener([&log](const nicsim::Event& event) {
      log << nicsim::FormatEventLine(event) << std::endl;
    });
  }
  if (!simulator.Start(nics, &error)) return Fail(kRunError, error);
  std::cout << "ready" << std::endl;
  ServeUntilStopped(simulator, stop.get(), control.get());
  simulator.Stop();
  return 0;
}
