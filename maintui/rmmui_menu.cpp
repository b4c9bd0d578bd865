// RMMUIMenu: "メール通知の設定(&C)..." on the window's background and
// "アラームの発信設定(&N)..." on printers, and their commands.
#include <optional>
#include <string>
#include <vector>

#include "common/win/entry_guard.h"
#include "common/win/menu.h"
#include "common/win/printer_item_name.h"
#include "common/win/tcp_ip_installed.h"
#include "common/win/this_module.h"
#include "maintui/eligible_printers.h"
#include "maintui/maintui_resource_ids.h"
#include "maintui/rmmui_objects.h"
#include "maintui/sheet_requests.h"
#include "outside/menuhelper/menuhelper.h"

namespace maintui {
namespace {

// The request flags' kinds, masked with 0xF0000.
constexpr ULONG kRequestKinds = 0xF0000;
constexpr ULONG kBackground = 0x40000;
constexpr ULONG kPrinters = 0x10000;

class MailMenu : public RmmuiObject<IRMMUIMenu> {
 public:
  STDMETHODIMP Initialize(HWND window, UINT count, LPCITEMIDLIST* items, ULONG flags) override {
    if (count != 0 && items == nullptr) return E_INVALIDARG;
    return GuardedMethod([&] {
      window_ = window;
      items_.assign(items, items + count);
      flags_ = flags;
      RebuildModuleList();
      return S_OK;
    });
  }

  STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT) override {
    return GuardedMethod([&]() -> HRESULT {
      const bool tcpIp = TcpIpInstalled();
      const ULONG kind = flags_ & kRequestKinds;
      int resource = 0;
      bool enabled = false;
      if (kind == kBackground) {
        resource = IDM_MAIL_BACKGROUND;
        enabled = tcpIp;
      } else if (!items_.empty() && (kind == 0 || kind == kPrinters)) {
        resource = IDM_MAIL_PRINTER;
        enabled = tcpIp && FirstHeldPrinter(ModuleList()).has_value();
      } else {
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
      }
      Menu loaded(LoadMenuA(ThisModule(), MAKEINTRESOURCEA(resource)));
      if (!loaded) return E_OUTOFMEMORY;
      const UINT command = resource == IDM_MAIL_BACKGROUND ? IDC_MAIL_SETTINGS : IDC_ALARM_SETTINGS;
      EnableMenuItem(GetSubMenu(loaded.get(), 0), command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
      const UINT next = MergeMenus(menu, GetSubMenu(loaded.get(), 0), index, firstId, lastId, 0, 0);
      return MAKE_HRESULT(SEVERITY_SUCCESS, 0, next > firstId ? next - firstId : 0);
    });
  }

  STDMETHODIMP InvokeCommand(UINT command) override {
    return GuardedMethod([&]() -> HRESULT {
      switch (command) {
        case IDC_MAIL_SETTINGS: return Start(SheetKind::MailSettings, "");
        case IDC_ALARM_SETTINGS: return AlarmSettingsOfHeldItems();
        default: return E_INVALIDARG;
      }
    });
  }

  STDMETHODIMP GetCommandHelp(UINT command, CHAR* text, UINT size) override {
    if (text == nullptr || size == 0) return E_INVALIDARG;
    if (command != IDC_MAIL_SETTINGS && command != IDC_MAIL_HELP && command != IDC_ALARM_SETTINGS) return E_INVALIDARG;
    return LoadStringA(ThisModule(), command, text, static_cast<int>(size)) > 0 ? S_OK : E_FAIL;
  }

 private:
  // The first held item the list knows, in the items' order.
  std::optional<EligiblePrinter> FirstHeldPrinter(const EligibleList& list) const {
    for (LPCITEMIDLIST item : items_) {
      const auto name = PrinterNameOf(item);
      if (!name) continue;
      if (const EligiblePrinter* found = FindEligible(list, *name)) return *found;
    }
    return std::nullopt;
  }

  // Each held printer's sheet, as long as the sender data is there; once it
  // is not, the message and the mail settings sheet instead, and no more.
  HRESULT AlarmSettingsOfHeldItems() {
    for (LPCITEMIDLIST item : items_) {
      if (!SenderDataComplete()) return Start(SheetKind::SenderIncomplete, "");
      const auto name = PrinterNameOf(item);
      if (name && !name->empty()) Start(SheetKind::AlarmSettings, *name);
    }
    return S_OK;
  }

  // The alarm sheet titles itself: the host's window keeps its own title.
  HRESULT Start(SheetKind kind, const std::string& printer) {
    SheetRequest request{kind, printer, window_, nullptr, CurrentSystem(), ModuleList()};
    return StartSheetRequest(std::move(request)) ? S_OK : E_OUTOFMEMORY;
  }

  HWND window_ = nullptr;
  std::vector<LPCITEMIDLIST> items_;
  ULONG flags_ = 0;
};

}  // namespace

HRESULT CreateMenu(REFIID riid, void** out) { return CreateComObject<MailMenu>(riid, out); }

}  // namespace maintui
