#pragma once
// The handles OpenManagerExA gives out, each tied to its printer's key name.
// A closed handle stays known: a second close or a use after close is then
// refused yet still traced to its printer, so the counters show it.

#include <optional>
#include <string>

namespace statusmgr {

struct ManagerRecord {
  std::wstring printer;
  bool open;
};

void* IssueHandle(std::wstring printer);

// The printer of a handle that is open; nothing for any other value.
std::optional<std::wstring> PrinterOfOpenHandle(void* manager);

// Marks the handle closed and returns it as it was; nothing for a value never
// given out.
std::optional<ManagerRecord> RetireHandle(void* manager);

}  // namespace statusmgr
