#include "printproc/pool.h"

#include <array>
#include <cstring>

#include "common/dav_registry.h"
#include "common/status_items.h"
#include "printproc/core/pool_list.h"
#include "printproc/registry_values.h"

namespace printproc {
namespace {

std::string PrinterKey(const std::string& printer) {
  return std::string(dav::kPrintersKey) + "\\" + printer;
}

// The driver name up to its terminator.
std::string DriverOf(const std::string& printer) {
  const auto value = ReadRegistryValue(PrinterKey(printer), dav::kPrinterDriver);
  if (!value) return {};
  const std::string text(value->begin(), value->end());
  return text.substr(0, text.find('\0'));
}

// The items the processor asks as a member joins: its port name and whether
// it can print at all. A member the status manager does not know keeps an
// empty port and a zero state.
void AskAtOpen(const StatusManager& link, PoolMember& member) {
  std::array<std::uint8_t, kPortItem.size> port{};
  link.Read(member.manager.get(), kPortItem.name, port);
  const auto* text = reinterpret_cast<const char*>(port.data());
  member.port.assign(text, strnlen(text, port.size()));
  std::array<std::uint8_t, kExtStatusItem.size> ext{};
  link.Read(member.manager.get(), kExtStatusItem.name, ext);
  std::memcpy(&member.extStatus, ext.data(), ext.size());
}

}  // namespace

std::vector<PoolMember> ReadPool(const std::string& queue, const StatusManager& link) {
  const std::string data = PrinterKey(queue) + "\\" + dav::kDriverData;
  const auto names = ReadRegistryValue(data, "PDD_PrinterNames").value_or(std::vector<std::uint8_t>{});
  const auto priorities = ReadRegistryValue(data, "PDD_Priority").value_or(std::vector<std::uint8_t>{});
  // Read as the queue's settings are, with no further effect on the choice.
  ReadRegistryValue(data, "PDD_DefaultPrinter");
  std::vector<PoolMember> pool;
  const std::vector<std::string> listed = SplitPrinterNames(names);
  for (std::size_t position = 0; position < listed.size(); ++position) {
    PoolMember member;
    member.name = listed[position];
    member.priority = PriorityAt(priorities, position);
    member.driver = DriverOf(member.name);
    if (member.driver.empty()) continue;
    member.manager = ManagerHandle(link, link.Open(member.name.c_str()));
    AskAtOpen(link, member);
    pool.push_back(std::move(member));
  }
  return pool;
}

}  // namespace printproc
