#include "printproc/status_manager.h"

#include <windows.h>

#include <algorithm>
#include <mutex>

#include "common/win/library.h"

namespace printproc {
namespace {

// The one library of the process and its holders.
struct Loaded {
  std::mutex lock;
  Library library;
  StatusManagerEntries entries;
  unsigned holders = 0;
};

Loaded& Process() {
  static Loaded loaded;
  return loaded;
}

}  // namespace

StatusManager::StatusManager() {
  Loaded& loaded = Process();
  std::lock_guard guard(loaded.lock);
  if (loaded.holders++ == 0) {
    loaded.library = Library(LoadLibraryA(kStatusManagerLibrary));
    if (loaded.library) {
      loaded.entries = {loaded.library.Find<OpenManagerExAFunction>("OpenManagerExA"),
                        loaded.library.Find<GetPrinterStatusAFunction>("GetPrinterStatusA"),
                        loaded.library.Find<UpdatePrinterStatusAFunction>("UpdatePrinterStatusA"),
                        loaded.library.Find<CloseManagerFunction>("CloseManager")};
    }
  }
  entries_ = loaded.entries;
}

StatusManager::~StatusManager() {
  Loaded& loaded = Process();
  std::lock_guard guard(loaded.lock);
  if (--loaded.holders == 0) {
    loaded.entries = {};
    loaded.library = Library();
  }
}

// Without a way to close it, a handle would be left open in the library.
void* StatusManager::Open(const char* printer) const {
  if (entries_.open == nullptr || entries_.close == nullptr) return nullptr;
  void* manager = nullptr;
  if (entries_.open(printer, 0, kOpenForDispatch, &manager) != 0) return nullptr;
  return manager;
}

void StatusManager::Read(void* manager, const char* item, std::span<std::uint8_t> into) const {
  if (entries_.get == nullptr || manager == nullptr) return;
  std::uint32_t needed = 0;
  if (entries_.get(manager, item, into.data(), static_cast<std::uint32_t>(into.size()), &needed) != 0) {
    std::ranges::fill(into, std::uint8_t{0});  // whatever a failed read left is no status
  }
}

void StatusManager::Update(void* manager, const char* item, const void* data,
                           std::uint32_t size) const {
  if (entries_.update != nullptr && manager != nullptr) entries_.update(manager, item, data, size);
}

void StatusManager::Close(void* manager) const { entries_.close(manager); }

}  // namespace printproc
