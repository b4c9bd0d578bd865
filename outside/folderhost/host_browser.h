#pragma once
// The management window's shell browser for the chosen folder's view: the
// view gets the window's menu bar, toolbar and status bar through it, and
// the window passes the view its menu commands, menu notices, tooltips and
// keys.

#include <windows.h>
#include <shlobj.h>

namespace folderhost {

struct BrowserBars {
  HWND frame;
  HWND toolbar;
  HWND status;
  HMENU ownMenu;  // the window's menu while no view gives one
};

class HostBrowser : public IShellBrowser {
 public:
  explicit HostBrowser(const BrowserBars& bars) : bars_(bars) {}
  HostBrowser(const HostBrowser&) = delete;
  HostBrowser& operator=(const HostBrowser&) = delete;
  ~HostBrowser() { Close(); }

  // The folder's view in `area` of the frame, activated with the focus.
  bool Open(IShellFolder* folder, const RECT& area, UINT viewMode);
  // Deactivates and destroys the view; the window's own menu comes back.
  void Close();
  bool Showing() const { return view_ != nullptr; }
  void Resize(const RECT& area);
  // The view's keys first (Delete, F2); true when it took the key.
  bool TranslateViewKey(MSG* message);
  // The window's menu commands, menu notices and tooltip requests, to the
  // view's window; 0 when there is no view.
  LRESULT ToView(UINT message, WPARAM wParam, LPARAM lParam);
  HWND ViewWindow() const { return viewWindow_; }

  // IUnknown: the window owns the browser; references are not counted.
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 1; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  // IOleWindow
  STDMETHODIMP GetWindow(HWND* out) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IShellBrowser
  STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenuSB(HMENU menu, HOLEMENU, HWND activeObject) override;
  STDMETHODIMP RemoveMenusSB(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusTextSB(LPCWSTR text) override;
  STDMETHODIMP EnableModelessSB(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return S_FALSE; }
  STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
  STDMETHODIMP GetViewStateStream(DWORD, IStream** out) override;
  STDMETHODIMP GetControlWindow(UINT control, HWND* out) override;
  STDMETHODIMP SendControlMsg(UINT control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  STDMETHODIMP QueryActiveShellView(IShellView** out) override;
  STDMETHODIMP OnViewWindowActive(IShellView*) override { return S_OK; }
  STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return S_OK; }

 private:
  HWND ControlWindow(UINT control) const;

  BrowserBars bars_;
  IShellView* view_ = nullptr;
  HWND viewWindow_ = nullptr;
  HWND commandWindow_ = nullptr;  // the window the view gave with its menu
};

}  // namespace folderhost
