#include "nicconf/folder/shell_item.h"

#include <cstring>

#include "nicconf/folder/core/printer_item.h"

namespace {

IMalloc* ShellAllocator() {
  IMalloc* allocator = nullptr;
  return SUCCEEDED(SHGetMalloc(&allocator)) ? allocator : nullptr;
}

}  // namespace

LPITEMIDLIST NewPrinterItem(const nic::PrinterRecord& record) {
  IMalloc* allocator = ShellAllocator();
  if (allocator == nullptr) return nullptr;
  const auto packed = nic::PackPrinterItem(record);
  void* item = allocator->Alloc(packed.size());
  if (item != nullptr) std::memcpy(item, packed.data(), packed.size());
  allocator->Release();
  return static_cast<LPITEMIDLIST>(item);
}

// The item has no size of its own: the allocator's record of the block is
// what keeps the decoder inside it.
bool ReadPrinterItem(LPCITEMIDLIST item, nic::PrinterRecord& record) {
  if (item == nullptr) return false;
  IMalloc* allocator = ShellAllocator();
  if (allocator == nullptr) return false;
  void* block = const_cast<ITEMIDLIST*>(item);
  bool read = false;
  if (allocator->DidAlloc(block) != 0) {
    const SIZE_T size = allocator->GetSize(block);
    read = size != static_cast<SIZE_T>(-1) &&
           nic::DecodePrinterItem(reinterpret_cast<const std::uint8_t*>(item), size, record);
  }
  allocator->Release();
  return read;
}

void FreePrinterItem(LPITEMIDLIST item) {
  if (IMalloc* allocator = ShellAllocator()) {
    allocator->Free(item);
    allocator->Release();
  }
}
