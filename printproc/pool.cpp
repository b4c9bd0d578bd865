#include "printproc/pool.h"

#include "common/dav_registry.h"
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

}  // namespace

std::vector<PoolMember> ReadPool(const std::string& queue, const StatusManager& link) {
  const std::string data = PrinterKey(queue) + "\\" + dav::kDriverData;
  const auto names = ReadRegistryValue(data, "PDD_PrinterNames").value_or(std::vector<std::uint8_t>{});
  const auto priorities = ReadRegistryValue(data, "PDD_Priority").value_or(std::vector<std::uint8_t>{});
  std::vector<PoolMember> pool;
  const std::vector<std::string> listed = SplitPrinterNames(names);
  for (std::size_t position = 0; position < listed.size(); ++position) {
    PoolMember member;
    member.name = listed[position];
    member.priority = PriorityAt(priorities, position);
    member.driver = DriverOf(member.name);
    if (member.driver.empty()) continue;
    member.manager = ManagerHandle(link, link.Open(member.name.c_str()));
    pool.push_back(std::move(member));
  }
  return pool;
}

}  // namespace printproc
