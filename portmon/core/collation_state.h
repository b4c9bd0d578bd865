#pragma once
// A port's collation while a job of the 95 line runs: the first bytes held
// until the job's start can be examined, and the page data kept in a
// temporary store until the job ends.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "portmon/core/collated_job.h"

namespace portmon {

// Where a collated job's page data waits: a temporary file on Windows.
class CollationStore {
 public:
  virtual ~CollationStore() = default;  // removes what was kept
  virtual bool Append(std::span<const std::uint8_t> bytes) = 0;
  // Everything appended, readable until the store is destroyed; nothing
  // when it cannot be read back.
  virtual std::optional<std::span<const std::uint8_t>> Contents() = 0;
};

struct CollationCalls {
  // A fresh, empty store, or null when none can be made.
  std::unique_ptr<CollationStore> (*createStore)();
  // Tells the user that the store could not be made.
  void (*reportStoreFailure)();
};

void SetCollationCalls(const CollationCalls& calls);
const CollationCalls& CurrentCollationCalls();

struct CollationState {
  bool checkPending = false;
  std::vector<std::uint8_t> held;  // fewer than 256 bytes
  bool collating = false;
  bool storeFailed = false;
  bool doNotSend = false;
  bool skipDrain = false;
  std::unique_ptr<CollationStore> store;
  int copies = 1;
  std::uint16_t counter = 0;
  JobPrologue prologue{};
};

}  // namespace portmon
