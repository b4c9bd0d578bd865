#include "outside/statusmgr/manager_handles.h"

#include <cstdint>
#include <map>
#include <mutex>

namespace statusmgr {
namespace {

// Handles are keys, never addresses, so a stale or foreign value is looked
// up rather than dereferenced. Several threads of a caller open and close at
// once.
struct HandleTable {
  std::mutex lock;
  std::uintptr_t last = 0;
  std::map<std::uintptr_t, ManagerRecord> records;
};

HandleTable& Table() {
  static HandleTable table;
  return table;
}

}  // namespace

void* IssueHandle(std::wstring printer) {
  HandleTable& table = Table();
  std::lock_guard guard(table.lock);
  const std::uintptr_t key = ++table.last;
  table.records.emplace(key, ManagerRecord{std::move(printer), true});
  return reinterpret_cast<void*>(key);
}

std::optional<std::wstring> PrinterOfOpenHandle(void* manager) {
  HandleTable& table = Table();
  std::lock_guard guard(table.lock);
  const auto found = table.records.find(reinterpret_cast<std::uintptr_t>(manager));
  if (found == table.records.end() || !found->second.open) return std::nullopt;
  return found->second.printer;
}

std::optional<ManagerRecord> RetireHandle(void* manager) {
  HandleTable& table = Table();
  std::lock_guard guard(table.lock);
  const auto found = table.records.find(reinterpret_cast<std::uintptr_t>(manager));
  if (found == table.records.end()) return std::nullopt;
  const ManagerRecord before = found->second;
  found->second.open = false;
  return before;
}

}  // namespace statusmgr
