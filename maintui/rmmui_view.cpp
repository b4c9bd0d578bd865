// RMMUIView: a printer's alarm settings, opened from its item.
#include "common/win/entry_guard.h"
#include "common/win/printer_item_name.h"
#include "maintui/eligible_printers.h"
#include "maintui/rmmui_objects.h"
#include "maintui/sheet_requests.h"

namespace maintui {
namespace {

class AlarmView : public RmmuiObject<IRMMUIView> {
 public:
  STDMETHODIMP Initialize(HWND window) override {
    window_ = window;
    return S_OK;
  }

  // The sender data is not asked for: the window opens the sheet itself.
  STDMETHODIMP OpenAlarmSettings(LPCITEMIDLIST item) override {
    if (item == nullptr) return E_INVALIDARG;
    return GuardedMethod([&]() -> HRESULT {
      const auto name = PrinterNameOf(item);
      if (!name || name->empty()) return E_INVALIDARG;
      SheetRequest request{SheetKind::AlarmSettings, *name, window_, nullptr, CurrentSystem(), ModuleList()};
      return StartSheetRequest(std::move(request)) ? S_OK : E_OUTOFMEMORY;
    });
  }

 private:
  HWND window_ = nullptr;
};

// The printer's icon, the shell's own.
class PrinterIcon : public RmmuiObject<IRMMUIIcon> {
 public:
  STDMETHODIMP GetIcon(LPCITEMIDLIST, UINT size, HICON* icon) override {
    if (icon == nullptr) return E_POINTER;
    *icon = nullptr;
    return GuardedMethod([&]() -> HRESULT {
      constexpr int kShellPrinterIcon = 17;
      *icon = static_cast<HICON>(LoadImageA(GetModuleHandleA("shell32.dll"), MAKEINTRESOURCEA(kShellPrinterIcon),
                                            IMAGE_ICON, static_cast<int>(size), static_cast<int>(size), 0));
      return *icon != nullptr ? S_OK : E_FAIL;
    });
  }
};

}  // namespace

HRESULT CreateView(REFIID riid, void** out) { return CreateComObject<AlarmView>(riid, out); }
HRESULT CreateIcon(REFIID riid, void** out) { return CreateComObject<PrinterIcon>(riid, out); }

}  // namespace maintui
