#include "rmmmodel/context_status_manager.h"

#include <windows.h>

#include "common/seam.h"
#include "common/status_items.h"
#include "common/status_manager_api.h"

namespace rmmmodel {
namespace {

constexpr int kEntryMissing = -1;

template <typename Function>
Function Entry(void* address) {
  return reinterpret_cast<Function>(address);
}

template <typename Item>
bool ReadItem(GetPrinterStatusAFunction read, void* manager, const char* name, Item& item) {
  std::uint32_t needed = 0;
  return read != nullptr && read(manager, name, &item, sizeof item, &needed) == 0;
}

}  // namespace

StatusManagerCalls ContextStatusManager::calls() {
  return {this, Through<&ContextStatusManager::Open>,
          Through<&ContextStatusManager::ReadPrinterStatus>,
          Through<&ContextStatusManager::ReadPageCount>, Through<&ContextStatusManager::Close>};
}

int ContextStatusManager::Open(const char* printerName, std::uint32_t mode, void** manager) {
  const auto open = Entry<OpenManagerExAFunction>(context_.openManager);
  return open != nullptr ? open(printerName, 0, mode, manager) : kEntryMissing;
}

bool ContextStatusManager::ReadPrinterStatus(void* manager, DavPrinterStatus& status) {
  return ReadItem(Entry<GetPrinterStatusAFunction>(context_.getPrinterStatus), manager,
                  kPrinterStatusItem.name, status);
}

std::optional<std::uint32_t> ContextStatusManager::ReadPageCount(void* manager) {
  const auto library = static_cast<HMODULE>(context_.statusManager);
  if (library == nullptr) return std::nullopt;
  const auto read = Entry<GetPrinterStatusAFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "GetPrinterStatusDirectA")));
  std::uint32_t count = 0;
  if (!ReadItem(read, manager, kPageCountItem.name, count)) return std::nullopt;
  return count;
}

void ContextStatusManager::Close(void* manager) {
  if (const auto close = Entry<CloseManagerFunction>(context_.closeManager)) close(manager);
}

}  // namespace rmmmodel
