#include "nicconf/folder/nic_handler.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "common/ipv4_text.h"
#include "common/win/entry_guard.h"
#include "common/win/menu.h"
#include "common/win/printer_handle.h"
#include "common/win/printer_item_name.h"
#include "common/win/text_conversion.h"
#include "common/win/com_object.h"
#include "nicconf/folder/module.h"
#include "nicconf/folder/nic_menu.h"
#include "nicconf/sheets/setting_sheet.h"
#include "nicconf/view/view_resource_ids.h"

namespace {

constexpr UINT kEntry = 109;
constexpr char kUnknownMac[] = "0A:5E:91:69:00:00";
constexpr UINT kMenuKinds = 0xF0000;  // of QueryContextMenu's flags

std::optional<std::string> PortOf(const std::string& printer) {
  PrinterHandle handle;
  if (!OpenPrinterA(const_cast<char*>(printer.c_str()), handle.out(), nullptr)) return std::nullopt;
  DWORD needed = 0;
  GetPrinterA(handle.get(), 2, nullptr, 0, &needed);
  if (needed == 0) return std::nullopt;
  std::vector<BYTE> info(needed);
  if (!GetPrinterA(handle.get(), 2, info.data(), needed, &needed)) return std::nullopt;
  const auto* level2 = reinterpret_cast<const PRINTER_INFO_2A*>(info.data());
  return level2->pPortName != nullptr ? std::optional<std::string>(level2->pPortName) : std::nullopt;
}

bool IsAddressPort(const std::optional<std::string>& port) {
  Ipv4 ip{};
  return port && ParseDottedIp(port->c_str(), ip);
}

// The sheets of the NIC at the printer's port, shown as this module's
// windows over the host's.
void OpenNicSheets(HWND owner, const std::string& printer, const std::string& port) {
  nic::PrinterRecord record{};
  CopyBoundedText(record.name, printer.c_str());
  CopyBoundedText(record.ip, port.c_str());
  CopyBoundedText(record.mac, kUnknownMac);
  CopyBoundedText(record.protocol, "TCP/IP");
  StartFolderTransports();
  const LONG_PTR hostInstance = GetWindowLongPtrA(owner, GWLP_HINSTANCE);
  SetWindowLongPtrA(owner, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(FolderInstance()));
  nic::sheets::OpenSettingSheet(owner, record, BusyTimeoutSeconds());
  SetWindowLongPtrA(owner, GWLP_HINSTANCE, hostInstance);
}

class NicHandler : public IShellFolder, public IShellExtInit, public IContextMenu, public ModuleObject {
 public:
  ~NicHandler() override {
    if (data_ != nullptr) data_->Release();
  }

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IShellFolder) return HandOut(static_cast<IShellFolder*>(this), out);
    if (riid == IID_IShellExtInit) return HandOut(static_cast<IShellExtInit*>(this), out);
    if (riid == IID_IContextMenu) return HandOut(static_cast<IContextMenu*>(this), out);
    return E_NOINTERFACE;
  }

  // IShellFolder: only the menu of the host's items.
  STDMETHODIMP GetUIObjectOf(HWND, UINT count, LPCITEMIDLIST* items, REFIID riid, UINT*, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid != IID_IContextMenu) return E_NOINTERFACE;
    if (count == 0 || items == nullptr) return E_INVALIDARG;
    return GuardedMethod([&] {
      items_.assign(items, items + count);
      return QueryInterface(IID_IContextMenu, out);
    });
  }
  STDMETHODIMP ParseDisplayName(HWND, LPBC, LPWSTR, ULONG*, LPITEMIDLIST*, ULONG*) override { return E_NOTIMPL; }
  STDMETHODIMP EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
  STDMETHODIMP BindToObject(LPCITEMIDLIST, LPBC, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP BindToStorage(LPCITEMIDLIST, LPBC, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_NOTIMPL; }
  STDMETHODIMP CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override { return E_NOTIMPL; }
  STDMETHODIMP GetDisplayNameOf(LPCITEMIDLIST, SHGDNF, STRRET*) override { return E_NOTIMPL; }
  STDMETHODIMP SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, SHGDNF, LPITEMIDLIST*) override { return E_NOTIMPL; }

  // IShellExtInit: the items come through GetUIObjectOf; the data object is
  // held while the menu lives, as a host expects.
  STDMETHODIMP Initialize(LPCITEMIDLIST, IDataObject* data, HKEY) override {
    if (data != nullptr) data->AddRef();
    if (data_ != nullptr) data_->Release();
    data_ = data;
    return S_OK;
  }

  // IContextMenu
  STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT first, UINT, UINT flags) override {
    const UINT kind = flags & kMenuKinds;
    if (kind != 0 && kind != 0x10000) return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
    return GuardedMethod([&]() -> HRESULT {
      Menu loaded(LoadMenuA(FolderInstance(), MAKEINTRESOURCEA(IDM_HANDLER)));
      if (!loaded) return E_OUTOFMEMORY;
      if (items_.empty()) return E_FAIL;
      const bool usable = items_.size() == 1 && UsablePrinter(items_[0]).has_value();
      InsertMenuA(menu, index, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
      HMENU entries = GetSubMenu(loaded.get(), 0);
      UINT highest = first;
      for (int i = 0; i < GetMenuItemCount(entries); ++i) {
        char text[128] = {};
        GetMenuStringA(entries, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT id = GetMenuItemID(entries, i) + first;
        InsertMenuA(menu, index + 1 + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING | (usable ? 0 : MF_GRAYED), id,
                    text);
        highest = std::max(highest, id);
      }
      return MAKE_HRESULT(SEVERITY_SUCCESS, 0, highest - first + 1);
    });
  }

  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override {
    if (info == nullptr) return E_POINTER;
    if (info->hwnd == nullptr) return E_INVALIDARG;
    if (items_.empty()) return E_FAIL;
    return GuardedMethod([&]() -> HRESULT {
      const UINT_PTR verb = reinterpret_cast<UINT_PTR>(info->lpVerb);
      for (LPCITEMIDLIST item : items_) {
        const auto name = PrinterNameOf(item);
        if (!name) continue;
        if (verb != kEntry) return E_INVALIDARG;
        const auto port = PortOf(*name);
        if (IsAddressPort(port)) OpenNicSheets(info->hwnd, *name, *port);
      }
      return S_OK;
    });
  }

  STDMETHODIMP GetCommandString(UINT_PTR id, UINT type, UINT*, LPSTR buffer, UINT size) override {
    return CommandHelpText(id, type, buffer, size);
  }

 private:
  // The printer's name when its port is an address.
  static std::optional<std::string> UsablePrinter(LPCITEMIDLIST item) {
    auto name = PrinterNameOf(item);
    if (!name || !IsAddressPort(PortOf(*name))) return std::nullopt;
    return name;
  }

  std::vector<LPCITEMIDLIST> items_;  // the host's, as it handed them
  IDataObject* data_ = nullptr;
};

}  // namespace

HRESULT CreateNicHandler(REFIID riid, void** out) { return CreateComObject<NicHandler>(riid, out); }
