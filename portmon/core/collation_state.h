#pragma once
// A port's collation while a job of the 95 line runs: the first bytes held
// until the job's start can be examined, and the page data kept in a
// temporary store until the job ends.

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "portmon/core/collated_job.h"

namespace portmon {

// Where a collated job's page data waits (a temporary file on Windows),
// as a seam: a store is a handle of the calls' own, made fresh for a job and
// removed with what it kept when the job ends.
struct CollationCalls {
  void* context;
  // A fresh, empty store, or null when none can be made.
  void* (*createStore)(void* context);
  bool (*append)(void* context, void* store, std::span<const std::uint8_t> bytes);
  // Everything appended, readable until the store is removed; nothing when
  // it cannot be read back.
  std::optional<std::span<const std::uint8_t>> (*contents)(void* context, void* store);
  void (*removeStore)(void* context, void* store);
  // Tells the user that a store could not be made.
  void (*reportStoreFailure)(void* context);
};

// Calls that make no store, for the builds that do not collate.
const CollationCalls& NoCollationStores();

// One store, removed with the owner.
class CollationStore {
 public:
  CollationStore() = default;
  CollationStore(const CollationCalls& calls, void* store) : calls_(&calls), store_(store) {}
  ~CollationStore() { reset(); }
  CollationStore(CollationStore&& other) noexcept
      : calls_(other.calls_), store_(std::exchange(other.store_, nullptr)) {}
  CollationStore& operator=(CollationStore&& other) noexcept {
    if (this != &other) {
      reset();
      calls_ = other.calls_;
      store_ = std::exchange(other.store_, nullptr);
    }
    return *this;
  }
  CollationStore(const CollationStore&) = delete;
  CollationStore& operator=(const CollationStore&) = delete;

  explicit operator bool() const { return store_ != nullptr; }
  bool Append(std::span<const std::uint8_t> bytes) {
    return calls_->append(calls_->context, store_, bytes);
  }
  std::optional<std::span<const std::uint8_t>> Contents() {
    return calls_->contents(calls_->context, store_);
  }
  void reset() {
    if (store_ != nullptr) calls_->removeStore(calls_->context, std::exchange(store_, nullptr));
  }

 private:
  const CollationCalls* calls_ = nullptr;
  void* store_ = nullptr;
};

struct CollationState {
  bool checkPending = false;
  std::vector<std::uint8_t> held;  // fewer than 256 bytes
  bool collating = false;
  bool storeFailed = false;
  bool doNotSend = false;
  bool skipDrain = false;
  CollationStore store;
  int copies = 1;
  std::uint16_t counter = 0;
  JobPrologue prologue{};
};

}  // namespace portmon
