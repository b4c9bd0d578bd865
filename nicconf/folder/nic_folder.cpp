#include "nicconf/folder/nic_folder.h"

#include <shlobj.h>
#include <winnetwk.h>

#include <cstring>
#include <new>

#include "common/bounded_text.h"
#include "common/win/entry_guard.h"
#include "nicconf/folder/class_ids.h"
#include "common/win/com_object.h"
#include "nicconf/folder/nic_enum.h"
#include "nicconf/folder/nic_icon.h"
#include "nicconf/folder/nic_menu.h"
#include "nicconf/folder/shell_item.h"
#include "nicconf/view/nic_view.h"

namespace {

// A workstation without a network client cannot open a print enumeration;
// the folder is then of no use and says so to the host.
bool NetworkClientPresent() {
  HANDLE enumeration = nullptr;
  if (WNetOpenEnumA(RESOURCE_CONTEXT, RESOURCETYPE_PRINT, 0, nullptr, &enumeration) != NO_ERROR) return false;
  WNetCloseEnum(enumeration);  // a context enumeration may answer its close with an error
  return true;
}

void TouchNetworkNeighborhood() {
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return;
  LPITEMIDLIST network = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_NETWORK, &network))) {
    IShellFolder* bound = nullptr;
    if (SUCCEEDED(desktop->BindToObject(network, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&bound))))
      bound->Release();
    CoTaskMemFree(network);
  }
  desktop->Release();
}

class NicFolder : public IShellFolder, public IPersistFolder, public ModuleObject {
 public:
  ~NicFolder() override {
    if (pidl_ != nullptr) CoTaskMemFree(pidl_);
  }

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IShellFolder || riid == kIidNicFolder)
      return HandOut(static_cast<IShellFolder*>(this), out);
    if (riid == IID_IPersistFolder || riid == IID_IPersist) return HandOut(static_cast<IPersistFolder*>(this), out);
    return E_NOINTERFACE;
  }

  // IPersistFolder
  STDMETHODIMP GetClassID(CLSID* id) override {
    if (id == nullptr) return E_POINTER;
    *id = kClsidNicFolder;
    return S_OK;
  }
  STDMETHODIMP Initialize(LPCITEMIDLIST pidl) override {
    return GuardedMethod([&]() -> HRESULT {
      TouchNetworkNeighborhood();
      if (!NetworkClientPresent()) return E_FAIL;
      if (pidl_ != nullptr) CoTaskMemFree(pidl_);
      pidl_ = pidl != nullptr ? ILClone(pidl) : nullptr;
      return S_OK;
    });
  }

  // IShellFolder
  STDMETHODIMP ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, LPITEMIDLIST*, ULONG*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP EnumObjects(HWND, SHCONTF flags, IEnumIDList** out) override {
    if (out == nullptr) return E_POINTER;
    return GuardedMethod([&] { return CreateNicEnum(flags, out); });
  }
  STDMETHODIMP BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP BindToStorage(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
  STDMETHODIMP CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_NOTIMPL; }
  STDMETHODIMP CreateViewObject(HWND, REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid != IID_IShellView) return E_NOINTERFACE;
    return GuardedMethod([&] { return CreateNicView(this, riid, out); });
  }
  STDMETHODIMP GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override { return E_NOTIMPL; }
  STDMETHODIMP GetUIObjectOf(HWND, UINT count, LPCITEMIDLIST* items, REFIID riid, UINT*, void** out) override {
    return GuardedMethod([&]() -> HRESULT {
      if (riid != IID_IExtractIconA && riid != IID_IContextMenu) return E_NOINTERFACE;
      if (items == nullptr || out == nullptr) return E_POINTER;
      *out = nullptr;
      if (riid == IID_IContextMenu) return count >= 1 ? CreateNicMenu(count, items, riid, out) : E_INVALIDARG;
      if (count != 1) return E_INVALIDARG;
      nic::PrinterRecord record{};
      if (!ReadPrinterItem(items[0], record)) return E_FAIL;
      return CreateNicIcon(record, riid, out);
    });
  }
  STDMETHODIMP GetDisplayNameOf(LPCITEMIDLIST item, SHGDNF, STRRET* name) override {
    if (name == nullptr) return E_POINTER;
    return GuardedMethod([&]() -> HRESULT {
      nic::PrinterRecord record{};
      if (!ReadPrinterItem(item, record)) return E_FAIL;
      name->uType = STRRET_CSTR;
      CopyBoundedText(name->cStr, record.name);
      return S_OK;
    });
  }
  STDMETHODIMP SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, SHGDNF, LPITEMIDLIST*) override { return E_NOTIMPL; }

 private:
  LPITEMIDLIST pidl_ = nullptr;
};

}  // namespace

HRESULT CreateNicFolder(REFIID riid, void** out) {
  auto* created = new (std::nothrow) NicFolder();
  if (created == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = created->QueryInterface(riid, out);
  static_cast<IShellFolder*>(created)->Release();
  return result;
}
