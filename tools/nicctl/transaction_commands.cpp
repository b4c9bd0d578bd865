#include "tools/nicctl/transaction_commands.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "nicconf/exchange/nic_transaction.h"
#include "nicproto/mac_text.h"
#include "tools/nicctl/end_codes.h"
#include "tools/nicctl/exchange_wait.h"
#include "tools/nicctl/exit_codes.h"
#include "tools/nicctl/read_report.h"
#include "tools/nicctl/terminal_text.h"
#include "tools/nicctl/write_report.h"

namespace {

constexpr std::uint8_t kWriteConfig = 1;
constexpr std::uint8_t kReadConfig = 2;
constexpr std::uint8_t kPowerOff = 16;

// What of a write the NIC has to confirm.
enum class Awaited { SetReply, ExtSetReply, WriteConfigReply, PowerOffReply };

struct ExpectedPart {
  std::string what;
  Awaited awaited;
};

void Print(const std::string& shiftJis) { std::fputs(ForTerminal(shiftJis).c_str(), stdout); }

bool Answered(nic::NicTransaction* t, std::uint8_t command) {
  const nic::CommandSlotList* slots = nic::GetCommandSlots(t);
  return slots != nullptr && slots->FindAnswered(command) != nullptr;
}

bool Confirmed(nic::NicTransaction* t, Awaited awaited) {
  const nic::TransactionBlock* result = nic::GetResultBlock(t);
  switch (awaited) {
    case Awaited::SetReply: return result != nullptr && result->attrReplied != 0;
    case Awaited::ExtSetReply: return result != nullptr && result->extReplied != 0;
    case Awaited::WriteConfigReply: return Answered(t, kWriteConfig);
    case Awaited::PowerOffReply: return Answered(t, kPowerOff);
  }
  return false;
}

template <typename Outcome>
void TakeOtherResponder(nic::NicTransaction* t, Outcome& outcome) {
  char mac[nic::kMacTextSize] = {};
  char name[64] = {};
  if (!nic::GetOtherResponder(t, mac, name)) return;
  outcome.otherMac = mac;
  outcome.otherName = name;
}

// Waits for a started write, reports what the NIC confirmed and releases it.
int FinishWrite(nic::NicTransaction* t, const std::string& target,
                const std::vector<ExpectedPart>& expected) {
  if (t == nullptr) return kExitNetwork;
  WaitFinished(t);
  WriteOutcome outcome;
  outcome.target = target;
  outcome.status = nic::GetEndCode(t);
  for (const ExpectedPart& part : expected) {
    outcome.parts.push_back({part.what, Confirmed(t, part.awaited)});
  }
  TakeOtherResponder(t, outcome);
  nic::Release(t);
  Print(WriteReport(outcome));
  return WriteExitCode(outcome);
}

void CollectRead(nic::NicTransaction* t, ReadOutcome& outcome) {
  outcome.status = nic::GetEndCode(t);
  if (const nic::TransactionBlock* result = nic::GetResultBlock(t)) outcome.block = *result;
  const nic::CommandSlotList* slots = nic::GetCommandSlots(t);
  const nic::CommandSlot* config = slots != nullptr ? slots->FindAnswered(kReadConfig) : nullptr;
  if (config != nullptr) outcome.config = config->configItems;
  TakeOtherResponder(t, outcome);
}

// A read to its end; nullptr when it could not be started.
std::unique_ptr<ReadOutcome> Read(const Arguments& args, const nic::CommandSlotList* slots) {
  nic::NicTransaction* t =
      nic::StartNicRead(args.address.c_str(), args.mac.c_str(), slots, true, args.timeoutMs);
  if (t == nullptr) return nullptr;
  WaitFinished(t);
  auto outcome = std::make_unique<ReadOutcome>();
  outcome->ip = args.address;
  outcome->configAsked = slots != nullptr;
  CollectRead(t, *outcome);
  nic::Release(t);
  return outcome;
}

// Turns what was read into the write's request: the changed values go into
// it, and its flags now say what is to be written.
bool PrepareWrite(const Arguments& args, nic::TransactionBlock& request,
                  nic::CommandSlotList& slots) {
  nic::ConfigItemList config;
  bool anyConfig = false;
  request.attrReplied = 0;
  request.extReplied = 0;
  for (const FieldSetting& s : args.settings) {
    // Every value was tried against an empty record when it was read.
    ApplySetting(s, request, config);
    request.attrReplied |= s.target == SettingTarget::Attribute ? 1u : 0u;
    request.extReplied |= s.target == SettingTarget::ExtendedText ? 1u : 0u;
    anyConfig = anyConfig || s.target == SettingTarget::ConfigItem;
  }
  if (anyConfig) slots.GetOrCreate(kWriteConfig)->configItems = config;
  return anyConfig;
}

std::vector<ExpectedPart> SetParts(const nic::TransactionBlock& request, bool withConfig) {
  std::vector<ExpectedPart> parts;
  if (request.attrReplied) parts.push_back({"attributes", Awaited::SetReply});
  if (request.extReplied) parts.push_back({"NDS context", Awaited::ExtSetReply});
  if (withConfig) parts.push_back({"configuration", Awaited::WriteConfigReply});
  return parts;
}

}  // namespace

int RunRead(const Arguments& args) {
  nic::CommandSlotList slots(1);
  if (args.withConfig) slots.GetOrCreate(kReadConfig);
  const std::unique_ptr<ReadOutcome> outcome = Read(args, args.withConfig ? &slots : nullptr);
  if (outcome == nullptr) return kExitNetwork;
  Print(ReadReport(*outcome));
  if (!outcome->block.attrReplied) return ExitCodeOf(outcome->status);
  return outcome->configAsked && !outcome->config ? kExitNoAnswer : 0;
}

int RunSet(const Arguments& args) {
  const std::unique_ptr<ReadOutcome> read = Read(args, nullptr);
  if (read == nullptr) return kExitNetwork;
  if (!read->block.attrReplied) {
    Print("nothing written: " + ReadReport(*read));
    return ExitCodeOf(read->status);
  }
  nic::CommandSlotList slots(1);
  const bool withConfig = PrepareWrite(args, read->block, slots);
  nic::NicTransaction* t =
      nic::StartNicWrite(args.address.c_str(), args.mac.c_str(), &read->block,
                         withConfig ? &slots : nullptr, args.timeoutMs, false);
  return FinishWrite(t, args.address + " " + args.mac, SetParts(read->block, withConfig));
}

int RunSetIp(const Arguments& args) {
  auto request = std::make_unique<nic::TransactionBlock>();
  nic::SetIpAttribute(request->attributes, nic::tag::kIpAddress, args.newIp.c_str());
  request->attrReplied = 1;
  nic::NicTransaction* t = nic::StartNicWrite(nic::kUnknownNicAddress, args.mac.c_str(),
                                              request.get(), nullptr, args.timeoutMs, true);
  return FinishWrite(t, args.mac, {{"new address " + args.newIp, Awaited::SetReply}});
}

int RunPowerOff(const Arguments& args) {
  nic::Mac mac{};
  nic::ParseMacText(args.mac.c_str(), mac);
  nic::CommandSlotList slots(1);
  nic::CommandSlot* slot = slots.GetOrCreate(kPowerOff);
  std::copy(mac.begin(), mac.end(), slot->mac);
  nic::NicTransaction* t = nic::StartNicWrite(args.address.c_str(), args.mac.c_str(), nullptr,
                                              &slots, args.timeoutMs, false);
  return FinishWrite(t, args.address + " " + args.mac,
                     {{"power-off request", Awaited::PowerOffReply}});
}
