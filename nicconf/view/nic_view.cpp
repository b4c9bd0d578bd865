#include "nicconf/view/nic_view.h"

#include <commctrl.h>


#include "common/win/entry_guard.h"
#include "common/win/com_object.h"
#include "nicconf/folder/module.h"
#include "nicconf/view/view_bars.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_menus.h"
#include "nicconf/view/view_refresh.h"
#include "nicconf/view/view_state.h"
#include "nicconf/view/view_window.h"

namespace nic::view {

ViewState& View() {
  static ViewState state;
  return state;
}

namespace {

constexpr int kAccelerators = 124;

class NicView : public IShellView, public ModuleObject {
 public:
  explicit NicView(IShellFolder* folder) : folder_(folder) { folder_->AddRef(); }
  ~NicView() override {
    if (View().parent != nullptr && View().folder == folder_) DestroyViewWindow();
    folder_->Release();
  }

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IShellView || riid == IID_IOleWindow)
      return HandOut(static_cast<IShellView*>(this), out);
    return E_NOINTERFACE;
  }

  // IOleWindow
  STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IShellView
  STDMETHODIMP TranslateAccelerator(MSG* message) override {
    const ViewState& v = View();
    if (message == nullptr || v.parent == nullptr || v.accelerators == nullptr) return S_FALSE;
    return ::TranslateAcceleratorA(v.parent, v.accelerators, message) ? S_OK : S_FALSE;
  }
  STDMETHODIMP EnableModeless(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP UIActivate(UINT state) override {
    return GuardedMethod([&]() -> HRESULT {
      ViewState& v = View();
      if (state == v.activation) return S_OK;
      if (state == SVUIA_DEACTIVATE) DropBrowserMenu();
      if (state != SVUIA_DEACTIVATE && v.browser != nullptr) {
        MergeBrowserMenu();
        v.browser->OnViewWindowActive(this);
      }
      v.activation = state;
      UpdateBars();
      return S_OK;
    });
  }
  STDMETHODIMP Refresh() override {
    if (View().parent != nullptr) PostMessageA(View().parent, WM_COMMAND, kCommandRefresh, 0);
    return S_OK;
  }
  STDMETHODIMP CreateViewWindow(IShellView*, LPCFOLDERSETTINGS settings, IShellBrowser* browser, RECT* area,
                                HWND* out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (settings == nullptr || browser == nullptr || area == nullptr) return E_POINTER;
    return GuardedMethod([&] { return Open(*settings, browser, *area, *out); });
  }
  STDMETHODIMP DestroyViewWindow() override {
    return GuardedMethod([&]() -> HRESULT {
      ViewState& v = View();
      DropBrowserMenu();
      if (v.parent != nullptr) DestroyWindow(v.parent);
      UnregisterParentView();
      if (v.browser != nullptr) v.browser->Release();
      v.browser = nullptr;
      v.folder = nullptr;
      v.activation = SVUIA_DEACTIVATE;
      return S_OK;
    });
  }
  STDMETHODIMP GetCurrentInfo(LPFOLDERSETTINGS settings) override {
    if (settings == nullptr) return E_POINTER;
    *settings = View().folderSettings;
    return S_OK;
  }
  STDMETHODIMP AddPropertySheetPages(DWORD, LPFNSVADDPROPSHEETPAGE, LPARAM) override { return S_OK; }
  STDMETHODIMP SaveViewState() override { return S_OK; }  // the list is saved when the window goes
  STDMETHODIMP SelectItem(PCUITEMID_CHILD, SVSIF) override { return E_NOTIMPL; }
  STDMETHODIMP GetItemObject(UINT, REFIID, void** out) override {
    if (out != nullptr) *out = nullptr;
    return E_NOTIMPL;
  }

 private:
  // One view at a time: the module keeps its state.
  HRESULT Open(const FOLDERSETTINGS& settings, IShellBrowser* browser, const RECT& area, HWND& out) {
    ViewState& v = View();
    if (v.parent != nullptr) return E_FAIL;
    HWND browserWindow = nullptr;
    if (FAILED(browser->GetWindow(&browserWindow))) return E_FAIL;
    v.folderSettings = settings;
    v.folder = folder_;
    v.browser = browser;
    browser->AddRef();
    v.parent = CreateParentView(browserWindow, area);
    HWND list = v.parent != nullptr ? CreateList(v.parent, settings.ViewMode) : nullptr;
    if (list == nullptr) {
      DestroyViewWindow();
      return E_FAIL;
    }
    SetWindowLongPtrA(v.parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(list));
    if (!FillList()) PostMessageA(v.parent, WM_COMMAND, kCommandRegister, kAskFirst);
    ShowWindow(list, SW_SHOW);
    StartRefresh(true);
    UpdateBars();
    v.accelerators = LoadAcceleratorsA(FolderInstance(), MAKEINTRESOURCEA(kAccelerators));
    out = v.parent;
    return S_OK;
  }

  IShellFolder* folder_;
};

}  // namespace
}  // namespace nic::view

HRESULT CreateNicView(IShellFolder* folder, REFIID riid, void** out) {
  return CreateComObject<nic::view::NicView>(riid, out, folder);
}
