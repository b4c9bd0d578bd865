#include "nicconf/folder/nic_menu.h"

#include <vector>

#include "common/win/entry_guard.h"
#include "common/win/menu.h"
#include "common/win/com_object.h"
#include "nicconf/folder/module.h"
#include "nicconf/view/view_resource_ids.h"
#include "outside/menuhelper/menuhelper.h"

namespace {

// The product's own interface on the menu: nothing beyond IUnknown.
constexpr IID kIidProductMenu = {0x5D2E0114, 0xB41C, 0x11D1, {0x9E, 0x27, 0x00, 0xA0, 0xC9, 0xA4, 0x1F, 0x30}};
constexpr UINT kStatusCommand = 100;

bool HasHelpText(UINT_PTR id) {
  switch (id) {
    case 100: case 102: case 103: case 199: case 293: case 294: return true;
    default: return false;
  }
}

class NicMenu : public IContextMenu, public ModuleObject {
 public:
  NicMenu(UINT count, LPCITEMIDLIST* items) : items_(items, items + count) {}

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IContextMenu || riid == kIidProductMenu)
      return HandOut(static_cast<IContextMenu*>(this), out);
    return E_NOINTERFACE;
  }

  STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT first, UINT last, UINT) override {
    return GuardedMethod([&]() -> HRESULT {
      const int id = items_.empty() ? IDM_BACKGROUND : IDM_ITEM;
      Menu loaded(LoadMenuA(FolderInstance(), MAKEINTRESOURCEA(id)));
      if (!loaded) return E_OUTOFMEMORY;
      const UINT next = MergeMenus(menu, GetSubMenu(loaded.get(), 0), index, first, last, MENUHELPER_MERGE_SEPARATOR, 0);
      if (!items_.empty()) SetMenuDefaultItem(menu, first + kStatusCommand, FALSE);
      return MAKE_HRESULT(SEVERITY_SUCCESS, 0, next - first);
    });
  }

  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override {
    if (info == nullptr) return E_POINTER;
    if (info->hwnd == nullptr) return E_INVALIDARG;
    // A verb given as text names no command of ours.
    if (HIWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0) return E_INVALIDARG;
    const auto verb = static_cast<WPARAM>(LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)));
    for (LPCITEMIDLIST item : items_) PostMessageA(info->hwnd, WM_COMMAND, verb, reinterpret_cast<LPARAM>(item));
    return S_OK;
  }

  STDMETHODIMP GetCommandString(UINT_PTR id, UINT type, UINT*, LPSTR buffer, UINT size) override {
    return HasHelpText(id) ? CommandHelpText(id, type, buffer, size) : S_FALSE;
  }

 private:
  std::vector<LPCITEMIDLIST> items_;
};

}  // namespace

HRESULT CommandHelpText(UINT_PTR id, UINT type, LPSTR buffer, UINT size) {
  if (buffer == nullptr || size == 0) return E_FAIL;
  const auto text = static_cast<UINT>(id);
  const int length = (type & GCS_UNICODE) != 0
                         ? LoadStringW(FolderInstance(), text, reinterpret_cast<LPWSTR>(buffer), static_cast<int>(size))
                         : LoadStringA(FolderInstance(), text, buffer, static_cast<int>(size));
  return length > 0 ? S_OK : E_FAIL;
}

HRESULT CreateNicMenu(UINT count, LPCITEMIDLIST* items, REFIID riid, void** out) {
  return CreateComObject<NicMenu>(riid, out, count, items);
}
