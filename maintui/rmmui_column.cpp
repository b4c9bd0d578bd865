// RMMUIViewExt: the column "メール通知" in the host's list of printers:
// "保守中" while alarm mail is on, "停止中" while it is off, "-" for a
// printer that cannot take part.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include "common/win/entry_guard.h"
#include "common/win/printer_item_name.h"
#include "common/win/this_module.h"
#include "maintui/eligible_printers.h"
#include "maintui/maintui_resource_ids.h"
#include "maintui/rmmui_objects.h"

namespace maintui {
namespace {

constexpr int kColumnWidth = 100;

std::string LoadedString(UINT id) {
  char text[64] = {};
  LoadStringA(ThisModule(), id, text, sizeof text);
  return text;
}

// Common controls from 4.70 on keep a display order of the columns.
bool KeepsColumnOrder() {
  HMODULE controls = GetModuleHandleA("comctl32.dll");
  auto version = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(controls != nullptr ? GetProcAddress(controls, "DllGetVersion") : nullptr));
  DLLVERSIONINFO info{};
  info.cbSize = sizeof info;
  if (version == nullptr || FAILED(version(&info))) return false;
  return info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 70);
}

int ColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

class MailColumn : public RmmuiObject<IRMMUIViewExt> {
 public:
  ~MailColumn() override { Detach(); }

  STDMETHODIMP AttachColumn(HWND listView) override {
    if (!IsWindow(listView)) return E_INVALIDARG;
    return GuardedMethod([&]() -> HRESULT {
      Detach();
      RebuildModuleList();
      const std::string title = LoadedString(IDS_COLUMN_TITLE);
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      column.fmt = LVCFMT_LEFT;
      column.cx = kColumnWidth;
      column.pszText = const_cast<char*>(title.c_str());
      const int at = ColumnCount(listView);
      const int inserted = static_cast<int>(SendMessageA(listView, LVM_INSERTCOLUMNA, at, reinterpret_cast<LPARAM>(&column)));
      if (inserted < 0) return E_FAIL;
      if (KeepsColumnOrder()) {
        column.mask = LVCF_ORDER;
        column.iOrder = inserted;
        SendMessageA(listView, LVM_SETCOLUMNA, inserted, reinterpret_cast<LPARAM>(&column));
      }
      list_ = listView;
      column_ = inserted;
      Fill();
      return S_OK;
    });
  }

  STDMETHODIMP DetachColumn() override {
    return GuardedMethod([&] {
      Detach();
      return S_OK;
    });
  }

  STDMETHODIMP RefreshColumn() override {
    if (list_ == nullptr) return E_UNEXPECTED;
    return GuardedMethod([&] {
      RebuildModuleList();
      Fill();
      return S_OK;
    });
  }

 private:
  void Detach() {
    if (list_ == nullptr) return;
    FreeModuleList();
    if (IsWindow(list_)) SendMessageA(list_, LVM_DELETECOLUMN, column_, 0);
    list_ = nullptr;
  }

  // Each row's item id names its printer, found in the list or not.
  void Fill() {
    const EligibleList printers = ModuleList();
    const std::string texts[] = {LoadedString(IDS_COLUMN_NONE), LoadedString(IDS_COLUMN_STOPPED),
                                 LoadedString(IDS_COLUMN_ACTIVE)};
    const int rows = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
      LVITEMA item{};
      item.mask = LVIF_PARAM;
      item.iItem = row;
      if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) || item.lParam == 0) continue;
      const auto name = PrinterNameOf(reinterpret_cast<LPCITEMIDLIST>(item.lParam));
      const EligiblePrinter* found = name ? FindEligible(printers, *name) : nullptr;
      const std::string& text = texts[found != nullptr ? found->kind : 0];
      LVITEMA cell{};
      cell.iSubItem = column_;
      cell.pszText = const_cast<char*>(text.c_str());
      SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    }
  }

  HWND list_ = nullptr;
  int column_ = -1;
};

}  // namespace

HRESULT CreateViewExt(REFIID riid, void** out) { return CreateComObject<MailColumn>(riid, out); }

}  // namespace maintui
