// RMMUIEnum: the eligible printers, one printer item id per call, from the
// shell's allocator.
#include <shlobj.h>

#include <cstring>

#include "common/mail_printer_item.h"
#include "common/win/entry_guard.h"
#include "maintui/eligible_printers.h"
#include "maintui/rmmui_objects.h"

namespace maintui {
namespace {

LPITEMIDLIST AllocatedItem(const EligiblePrinter& printer) {
  const std::vector<std::uint8_t> bytes =
      dav::BuildMailPrinterItem({printer.name, static_cast<std::uint32_t>(printer.kind), printer.port});
  if (bytes.empty()) return nullptr;
  void* item = CoTaskMemAlloc(bytes.size());
  if (item != nullptr) std::memcpy(item, bytes.data(), bytes.size());
  return static_cast<LPITEMIDLIST>(item);
}

class PrinterEnum : public RmmuiObject<IRMMUIEnum> {
 public:
  PrinterEnum() { Reset(); }

  STDMETHODIMP Next(ULONG count, LPITEMIDLIST* item, ULONG* fetched) override {
    if (item == nullptr) return E_POINTER;
    *item = nullptr;
    if (fetched != nullptr) *fetched = 0;
    if (count != 1) return E_INVALIDARG;
    return GuardedMethod([&]() -> HRESULT {
      if (next_ >= list_.size()) return S_FALSE;
      *item = AllocatedItem(list_[next_]);
      if (*item == nullptr) return E_OUTOFMEMORY;
      ++next_;
      if (fetched != nullptr) *fetched = 1;
      return S_OK;
    });
  }

  STDMETHODIMP Reset() override {
    return GuardedMethod([&] {
      RebuildModuleList();
      list_ = ModuleList();
      next_ = 0;
      return S_OK;
    });
  }

 private:
  EligibleList list_;
  std::size_t next_ = 0;
};

}  // namespace

HRESULT CreateEnum(REFIID riid, void** out) { return CreateComObject<PrinterEnum>(riid, out); }

}  // namespace maintui
