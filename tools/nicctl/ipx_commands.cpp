#include "tools/nicctl/ipx_commands.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "common/bounded_text.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "platform/tick.h"
#include "tools/nicctl/exit_codes.h"
#include "tools/nicctl/ipx_reports.h"
#include "tools/nicctl/read_report.h"
#include "tools/nicctl/reports.h"
#include "tools/nicctl/terminal_text.h"

namespace {

template <typename Finished>
void WaitUntil(Finished finished) {
  while (!finished()) platform::SleepMs(20);
}

const nic::ipx::ResultList& Collected() {
  WaitUntil(nic::ipx::IsIpxPollFinished);
  static const nic::ipx::ResultList kNone{};
  return nic::ipx::IpxResults() != nullptr ? *nic::ipx::IpxResults() : kNone;
}

int Search(const Arguments& args) {
  if (!nic::ipx::StartIpxSearch(args.timeoutMs, args.network.c_str())) return kExitNetwork;
  const nic::ipx::ResultList& found = Collected();
  std::fputs(ForTerminal(IpxSearchReport(found)).c_str(), stdout);
  return found.count == 0 ? kExitNoAnswer : 0;
}

int Status(const Arguments& args) {
  std::vector<nic::ipx::Target> targets;
  for (const auto& [network, mac] : args.printers) targets.push_back({network.c_str(), mac.c_str()});
  if (!nic::ipx::StartIpxPoll(args.timeoutMs, targets.data(), targets.size())) return kExitNetwork;
  Collected();
  std::vector<nic::PolledPrinter> printers;
  int result = 0;
  for (const nic::ipx::Target& target : targets) {
    auto record = std::make_unique<nic::ipx::Result>();
    nic::ipx::FindIpxResult(target.network, target.mac, *record);
    CopyBoundedText(record->network, NetworkText(target.network).c_str());
    CopyBoundedText(record->mac, target.mac);
    printers.push_back(PolledFromIpx(*record));
    if (record->info.attrReceived == 0) result = kExitNoAnswer;
  }
  std::fputs(ForTerminal(StatusReport(printers)).c_str(), stdout);
  return result;
}

int Read(const Arguments& args) {
  const auto& [network, mac] = args.printers.front();
  if (!nic::ipx::StartIpxRead(args.timeoutMs, network.c_str(), mac.c_str())) return kExitNetwork;
  WaitUntil(nic::ipx::IsIpxSingleFinished);
  auto outcome = std::make_unique<ReadOutcome>();
  outcome->ip = NetworkText(network);
  const bool read = nic::ipx::CollectIpxSingle(outcome->block);
  // A NIC of another maker answers yet is not read.
  if (!read) outcome->block.attrReplied = 0;
  outcome->status.endCode = read ? nic::kFinished : nic::kTimedOut;
  std::fputs(ForTerminal(ReadReport(*outcome)).c_str(), stdout);
  return read ? 0 : kExitNoAnswer;
}

}  // namespace

int RunIpx(const Arguments& args) {
  if (!nic::ipx::StartIpx(TerminalMessages())) {
    std::fprintf(stderr, "nicctl: IPX is not available (the NetWare client libraries could not "
                         "be loaded or the IPX socket opened)\n");
    return kExitNetwork;
  }
  int result = kExitUsage;
  switch (args.command) {
    case Command::IpxSearch: result = Search(args); break;
    case Command::IpxStatus: result = Status(args); break;
    case Command::IpxRead: result = Read(args); break;
    default: break;
  }
  nic::ipx::StopIpx();
  return result;
}
