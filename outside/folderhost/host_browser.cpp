#include "outside/folderhost/host_browser.h"

#include <commctrl.h>

namespace folderhost {

bool HostBrowser::Open(IShellFolder* folder, const RECT& area, UINT viewMode) {
  Close();
  IShellView* view = nullptr;
  if (folder == nullptr ||
      FAILED(folder->CreateViewObject(bars_.frame, IID_IShellView, reinterpret_cast<void**>(&view))))
    return false;
  FOLDERSETTINGS settings{viewMode, 0};
  RECT placed = area;
  HWND window = nullptr;
  if (FAILED(view->CreateViewWindow(nullptr, &settings, this, &placed, &window))) {
    view->Release();
    return false;
  }
  view_ = view;
  viewWindow_ = window;
  view_->UIActivate(SVUIA_ACTIVATE_FOCUS);
  return true;
}

void HostBrowser::Close() {
  if (view_ == nullptr) return;
  view_->UIActivate(SVUIA_DEACTIVATE);
  view_->DestroyViewWindow();
  view_->Release();
  view_ = nullptr;
  viewWindow_ = nullptr;
  commandWindow_ = nullptr;
  SetMenu(bars_.frame, bars_.ownMenu);
}

void HostBrowser::Resize(const RECT& area) {
  if (viewWindow_ != nullptr)
    MoveWindow(viewWindow_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

bool HostBrowser::TranslateViewKey(MSG* message) {
  return view_ != nullptr && view_->TranslateAccelerator(message) == S_OK;
}

LRESULT HostBrowser::ToView(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND target = commandWindow_ != nullptr ? commandWindow_ : viewWindow_;
  return target != nullptr ? SendMessageA(target, message, wParam, lParam) : 0;
}

STDMETHODIMP HostBrowser::QueryInterface(REFIID riid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IShellBrowser) {
    *out = static_cast<IShellBrowser*>(this);
    return S_OK;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP HostBrowser::GetWindow(HWND* out) {
  if (out == nullptr) return E_POINTER;
  *out = bars_.frame;
  return S_OK;
}

STDMETHODIMP HostBrowser::SetMenuSB(HMENU menu, HOLEMENU, HWND activeObject) {
  SetMenu(bars_.frame, menu != nullptr ? menu : bars_.ownMenu);
  commandWindow_ = menu != nullptr ? activeObject : nullptr;
  DrawMenuBar(bars_.frame);
  return S_OK;
}

STDMETHODIMP HostBrowser::SetStatusTextSB(LPCWSTR text) {
  SendMessageW(bars_.status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : L""));
  return S_OK;
}

// The window keeps no view state between runs.
STDMETHODIMP HostBrowser::GetViewStateStream(DWORD, IStream** out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

HWND HostBrowser::ControlWindow(UINT control) const {
  switch (control) {
    case FCW_TOOLBAR: return bars_.toolbar;
    case FCW_STATUS: return bars_.status;
    default: return nullptr;
  }
}

STDMETHODIMP HostBrowser::GetControlWindow(UINT control, HWND* out) {
  if (out == nullptr) return E_POINTER;
  *out = ControlWindow(control);
  return *out != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP HostBrowser::SendControlMsg(UINT control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND window = ControlWindow(control);
  if (window == nullptr) return E_FAIL;
  const LRESULT answer = SendMessageA(window, message, wParam, lParam);
  if (result != nullptr) *result = answer;
  return S_OK;
}

STDMETHODIMP HostBrowser::QueryActiveShellView(IShellView** out) {
  if (out == nullptr) return E_POINTER;
  *out = view_;
  if (view_ == nullptr) return E_FAIL;
  view_->AddRef();
  return S_OK;
}

}  // namespace folderhost
