// RMMUIEnum: the eligible printers, one printer item id per call, from the
// shell's allocator.
#include <shlobj.h>

#include "common/win/entry_guard.h"
#include "common/win/printer_item_name.h"
#include "maintui/eligible_printers.h"
#include "maintui/rmmui_objects.h"

namespace maintui {
namespace {

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
      const EligiblePrinter& printer = list_[next_];
      *item = NewMailPrinterItem({printer.name, static_cast<std::uint32_t>(printer.kind), printer.port});
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
