#pragma once
// The status manager library as the processor uses it: loaded by name when
// the first holder needs it and freed with the last, so a processor that is
// never opened never loads it. A missing library or entry switches the
// calls that need it off: opens give no handle, reads leave the caller's
// buffer as it was (a read that fails leaves it zeroed).

#include <cstdint>
#include <span>
#include <utility>

#include "common/status_manager_api.h"

namespace printproc {

struct StatusManagerEntries {
  OpenManagerExAFunction open = nullptr;
  GetPrinterStatusAFunction get = nullptr;
  UpdatePrinterStatusAFunction update = nullptr;
  CloseManagerFunction close = nullptr;
};

// One reference to the process's status manager.
class StatusManager {
 public:
  StatusManager();
  ~StatusManager();
  StatusManager(const StatusManager&) = delete;
  StatusManager& operator=(const StatusManager&) = delete;

  // A handle for `printer` in the processor's open mode, or null.
  void* Open(const char* printer) const;
  void Read(void* manager, const char* item, std::span<std::uint8_t> into) const;
  void Update(void* manager, const char* item, const void* data, std::uint32_t size) const;
  void Close(void* manager) const;

 private:
  StatusManagerEntries entries_;
};

// A status manager handle, closed with the owner. The StatusManager it came
// from must outlive it.
class ManagerHandle {
 public:
  ManagerHandle() = default;
  ManagerHandle(const StatusManager& link, void* handle) : link_(&link), handle_(handle) {}
  ~ManagerHandle() {
    if (handle_ != nullptr) link_->Close(handle_);
  }
  ManagerHandle(ManagerHandle&& other) noexcept
      : link_(other.link_), handle_(std::exchange(other.handle_, nullptr)) {}
  ManagerHandle& operator=(ManagerHandle&& other) noexcept {
    std::swap(link_, other.link_);
    std::swap(handle_, other.handle_);
    return *this;
  }
  ManagerHandle(const ManagerHandle&) = delete;
  ManagerHandle& operator=(const ManagerHandle&) = delete;

  void* get() const { return handle_; }

 private:
  const StatusManager* link_ = nullptr;
  void* handle_ = nullptr;
};

}  // namespace printproc
