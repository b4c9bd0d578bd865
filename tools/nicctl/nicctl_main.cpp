// nicctl: finding, polling, waking, reading and configuring printer NICs
// from a command line. Exit codes: see exit_codes.h.
#include <cstdio>
#include <string>
#include <vector>

#include "nicconf/exchange/message_sink.h"
#include "nicconf/exchange/network.h"
#include "nicconf/exchange/nic_search.h"
#include "nicconf/exchange/status_poll.h"
#include "nicconf/exchange/wake_up.h"
#include "common/bounded_text.h"
#include "platform/udp_socket.h"
#include "tools/nicctl/arguments.h"
#include "tools/nicctl/exchange_wait.h"
#include "tools/nicctl/exit_codes.h"
#ifdef _WIN32
#include "tools/nicctl/ipx_commands.h"
#endif
#include "tools/nicctl/reports.h"
#include "tools/nicctl/terminal_text.h"
#include "tools/nicctl/transaction_commands.h"

namespace {

int Search(const Arguments& args) {
  nic::NicSearch* search =
      args.command == Command::Search
          ? nic::StartBroadcastSearch(args.address.c_str(), args.maxResults, args.timeoutMs)
          : nic::StartRangeSearch(args.address.c_str(), args.lastValue, args.maxResults,
                                  args.timeoutMs);
  if (search == nullptr) return kExitNetwork;
  WaitFinished(search);
  std::vector<nic::FoundNic> found(nic::GetFoundCount(search));
  for (std::size_t i = 0; i < found.size(); ++i) nic::GetFoundNic(search, i, found[i]);
  const nic::ExchangeStatus status = search->status();
  nic::Release(search);
  std::fputs(ForTerminal(SearchReport(found)).c_str(), stdout);
  if (status.endCode != nic::kFinished) {
    std::fprintf(stderr, "nicctl: search ended with code %u, socket error %d\n", status.endCode,
                 status.socketError);
    return kExitNetwork;
  }
  return found.empty() ? kExitNoAnswer : 0;
}

int Status(const Arguments& args) {
  std::vector<nic::PrinterRecord> records(args.printers.size(), nic::PrinterRecord{});
  for (std::size_t i = 0; i < records.size(); ++i) {
    CopyBoundedText(records[i].ip, args.printers[i].first.c_str());
    CopyBoundedText(records[i].mac, args.printers[i].second.c_str());
  }
  nic::StatusPoll* poll = nic::StartStatusPoll(records, args.timeoutMs);
  if (poll == nullptr) return kExitNetwork;
  WaitFinished(poll);
  const std::vector<nic::PolledPrinter> printers = poll->printers();
  nic::Release(poll);
  std::fputs(ForTerminal(StatusReport(printers)).c_str(), stdout);
  for (const nic::PolledPrinter& p : printers) {
    if (p.info.attrReceived == 0) return kExitNoAnswer;
  }
  return 0;
}

int Wake(const Arguments& args) {
  if (!nic::SendWakeUp(args.mac.c_str(), args.wakeTo.c_str())) {
    std::fprintf(stderr, "nicctl: the wake-up packet could not be sent\n");
    return kExitNetwork;
  }
  std::printf("wake-up packet for %s sent to %s\n", args.mac.c_str(), args.wakeTo.c_str());
  return 0;
}

}  // namespace

namespace {

// NetWare lives only on Windows workstations; the IPX commands need no
// TCP/IP.
int RunIpxCommand(const Arguments& args) {
#ifdef _WIN32
  return RunIpx(args);
#else
  (void)args;
  std::fprintf(stderr, "nicctl: the IPX commands run only on Windows\n");
  return kExitNetwork;
#endif
}

bool IsIpx(Command command) {
  return command == Command::IpxSearch || command == Command::IpxStatus ||
         command == Command::IpxRead;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  std::string error;
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), args, error)) {
    std::fprintf(stderr, "nicctl: %s\n", error.c_str());
    return kExitUsage;
  }
  if (IsIpx(args.command)) return RunIpxCommand(args);
  nic::NetworkSeams seams;
  seams.messages = TerminalMessages();
  if (!nic::StartNetwork(seams)) {
    std::fprintf(stderr, "nicctl: TCP/IP is not available\n");
    return kExitNetwork;
  }
  // A NIC reached through route and ARP is routed through this host's
  // address on the way to it.
  char local[16];
  if (platform::LocalAddressToward(args.address.c_str(), local) == 0) nic::SetLocalAddress(local);
  int result = 0;
  switch (args.command) {
    case Command::Search:
    case Command::RangeSearch: result = Search(args); break;
    case Command::Status: result = Status(args); break;
    case Command::Wake: result = Wake(args); break;
    case Command::Read: result = RunRead(args); break;
    case Command::Set: result = RunSet(args); break;
    case Command::SetIp: result = RunSetIp(args); break;
    case Command::PowerOff: result = RunPowerOff(args); break;
    default: break;
  }
  nic::StopNetwork();
  std::fflush(stdout);
  return result;
}
