#pragma once
// A shell browser for one folder's view, as a host's frame would be: a
// top-level dialog-class window the view's windows live in, and the
// IShellBrowser the view talks to. What the view asks of it (toolbar button
// states, status bar texts, its menu, the active view) is recorded and can
// be read from the test's thread while the view runs on its own.
//
// Run a view in it through a DialogSession:
//   auto browser = std::make_shared<BrowserDouble>();
//   DialogSession session(L"確認", [&] { return browser->Run(folder, FVM_DETAILS); });
// The session's Dialog() is the frame; closing it (IDCANCEL) deactivates and
// destroys the view and ends the call.

#include <windows.h>
#include <shlobj.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace testkit {

class BrowserDouble : public IShellBrowser {
 public:
  BrowserDouble() = default;
  BrowserDouble(const BrowserDouble&) = delete;
  BrowserDouble& operator=(const BrowserDouble&) = delete;

  // On the call's thread: the frame, the folder's view in it (activated with
  // the focus), and the frame's message loop until it is closed. FALSE when
  // the view could not be made or opened.
  BOOL Run(IShellFolder* folder, UINT viewMode);

  // Read from any thread.
  HWND Frame();
  std::optional<bool> ButtonEnabled(int command);
  std::optional<bool> ButtonChecked(int command);
  std::wstring StatusText(int part = 0);
  // How many times the view set the status bar's text.
  int StatusWrites();
  bool ViewActive();
  // How long the view's CreateViewWindow took (its list filled), in ms.
  DWORD OpenedInMs();
  HMENU SharedMenu();

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IOleWindow
  STDMETHODIMP GetWindow(HWND* out) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IShellBrowser
  STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenuSB(HMENU menu, HOLEMENU, HWND) override;
  STDMETHODIMP RemoveMenusSB(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusTextSB(LPCWSTR text) override;
  STDMETHODIMP EnableModelessSB(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return S_FALSE; }
  STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
  STDMETHODIMP GetViewStateStream(DWORD, IStream** out) override;
  STDMETHODIMP GetControlWindow(UINT, HWND* out) override;
  STDMETHODIMP SendControlMsg(UINT control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  STDMETHODIMP QueryActiveShellView(IShellView** out) override;
  STDMETHODIMP OnViewWindowActive(IShellView* view) override;
  STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return S_OK; }

 private:
  static INT_PTR CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CloseView();

  std::mutex lock_;
  HWND frame_ = nullptr;
  IShellView* view_ = nullptr;  // only on the call's thread
  bool viewActive_ = false;
  std::map<int, bool> enabled_;
  std::map<int, bool> checked_;
  std::map<int, std::wstring> status_;
  int statusWrites_ = 0;
  DWORD openedInMs_ = 0;
  HMENU menu_ = nullptr;
};

}  // namespace testkit
