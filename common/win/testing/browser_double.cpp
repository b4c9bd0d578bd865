#include "common/win/testing/browser_double.h"

#include <commctrl.h>

#include <vector>

#include "common/win/text_conversion.h"

namespace testkit {
namespace {

// A resizable top-level dialog with no controls, 400 × 220 dialog units.
std::vector<WORD> FrameTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD));
  auto* head = reinterpret_cast<DLGTEMPLATE*>(words.data());
  head->style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
  head->cx = 400;
  head->cy = 220;
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog class
  for (const wchar_t c : std::wstring(L"プリンタフォルダ")) words.push_back(static_cast<WORD>(c));
  words.push_back(0);
  return words;
}

std::wstring StatusTextOf(UINT message, LPARAM lParam) {
  if (lParam == 0) return {};
  if (message == SB_SETTEXTW) return reinterpret_cast<const wchar_t*>(lParam);
  return WideFromAnsi(reinterpret_cast<const char*>(lParam));
}

}  // namespace

BOOL BrowserDouble::Run(IShellFolder* folder, UINT viewMode) {
  const std::vector<WORD> layout = FrameTemplate();
  HWND frame = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(layout.data()),
                                          nullptr, FrameProc, reinterpret_cast<LPARAM>(this));
  if (frame == nullptr) return FALSE;
  {
    std::lock_guard<std::mutex> hold(lock_);
    frame_ = frame;
  }
  IShellView* view = nullptr;
  HWND viewWindow = nullptr;
  FOLDERSETTINGS settings{viewMode, 0};
  RECT area{};
  GetClientRect(frame, &area);
  if (FAILED(folder->CreateViewObject(frame, IID_IShellView, reinterpret_cast<void**>(&view)))) {
    DestroyWindow(frame);
    return FALSE;
  }
  const DWORD start = GetTickCount();
  if (FAILED(view->CreateViewWindow(nullptr, &settings, this, &area, &viewWindow))) {
    view->Release();
    DestroyWindow(frame);
    return FALSE;
  }
  {
    std::lock_guard<std::mutex> hold(lock_);
    openedInMs_ = GetTickCount() - start;
  }
  view_ = view;
  view->UIActivate(SVUIA_ACTIVATE_FOCUS);
  SetFocus(viewWindow);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (view_ != nullptr && view_->TranslateAccelerator(&message) == S_OK) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return TRUE;
}

void BrowserDouble::CloseView() {
  if (view_ == nullptr) return;
  view_->UIActivate(SVUIA_DEACTIVATE);
  view_->DestroyViewWindow();
  view_->Release();
  view_ = nullptr;
}

INT_PTR CALLBACK BrowserDouble::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    return TRUE;
  }
  auto* self = reinterpret_cast<BrowserDouble*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      [[fallthrough]];
    case WM_CLOSE:
      self->CloseView();
      DestroyWindow(window);
      return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return TRUE;
    case WM_SIZE:
      // The view fills the frame, as in a host without a tree pane.
      if (HWND child = ::GetWindow(window, GW_CHILD)) MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return TRUE;
    default: return FALSE;
  }
}

HWND BrowserDouble::Frame() {
  std::lock_guard<std::mutex> hold(lock_);
  return frame_;
}

std::optional<bool> BrowserDouble::ButtonEnabled(int command) {
  std::lock_guard<std::mutex> hold(lock_);
  const auto found = enabled_.find(command);
  if (found == enabled_.end()) return std::nullopt;
  return found->second;
}

std::optional<bool> BrowserDouble::ButtonChecked(int command) {
  std::lock_guard<std::mutex> hold(lock_);
  const auto found = checked_.find(command);
  if (found == checked_.end()) return std::nullopt;
  return found->second;
}

std::wstring BrowserDouble::StatusText(int part) {
  std::lock_guard<std::mutex> hold(lock_);
  return status_[part];
}

int BrowserDouble::StatusWrites() {
  std::lock_guard<std::mutex> hold(lock_);
  return statusWrites_;
}

bool BrowserDouble::ViewActive() {
  std::lock_guard<std::mutex> hold(lock_);
  return viewActive_;
}

DWORD BrowserDouble::OpenedInMs() {
  std::lock_guard<std::mutex> hold(lock_);
  return openedInMs_;
}

HMENU BrowserDouble::SharedMenu() {
  std::lock_guard<std::mutex> hold(lock_);
  return menu_;
}

// The browser lives as long as the test holds it; counts are not kept.
STDMETHODIMP BrowserDouble::QueryInterface(REFIID riid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (riid != IID_IUnknown && riid != IID_IOleWindow && riid != IID_IShellBrowser) return E_NOINTERFACE;
  *out = static_cast<IShellBrowser*>(this);
  return S_OK;
}
STDMETHODIMP_(ULONG) BrowserDouble::AddRef() { return 2; }
STDMETHODIMP_(ULONG) BrowserDouble::Release() { return 1; }

STDMETHODIMP BrowserDouble::GetWindow(HWND* out) {
  if (out == nullptr) return E_POINTER;
  *out = Frame();
  return *out != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP BrowserDouble::SetMenuSB(HMENU menu, HOLEMENU, HWND) {
  std::lock_guard<std::mutex> hold(lock_);
  menu_ = menu;
  return S_OK;
}

STDMETHODIMP BrowserDouble::SetStatusTextSB(LPCWSTR text) {
  std::lock_guard<std::mutex> hold(lock_);
  status_[0] = text != nullptr ? text : L"";
  ++statusWrites_;
  return S_OK;
}

STDMETHODIMP BrowserDouble::GetViewStateStream(DWORD, IStream** out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP BrowserDouble::GetControlWindow(UINT, HWND* out) {
  if (out != nullptr) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP BrowserDouble::SendControlMsg(UINT control, UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT* result) {
  if (result != nullptr) *result = 0;
  std::lock_guard<std::mutex> hold(lock_);
  const int command = static_cast<int>(wParam);
  const bool on = LOWORD(lParam) != 0;
  if (control == FCW_TOOLBAR && message == TB_ENABLEBUTTON) enabled_[command] = on;
  if (control == FCW_TOOLBAR && message == TB_CHECKBUTTON) checked_[command] = on;
  if (control == FCW_STATUS && (message == SB_SETTEXTA || message == SB_SETTEXTW)) {
    status_[static_cast<int>(wParam & 0xFF)] = StatusTextOf(message, lParam);
    ++statusWrites_;
  }
  if (result != nullptr) *result = TRUE;
  return S_OK;
}

STDMETHODIMP BrowserDouble::QueryActiveShellView(IShellView** out) {
  if (out == nullptr) return E_POINTER;
  *out = view_;
  if (view_ == nullptr) return E_FAIL;
  view_->AddRef();
  return S_OK;
}

STDMETHODIMP BrowserDouble::OnViewWindowActive(IShellView*) {
  std::lock_guard<std::mutex> hold(lock_);
  viewActive_ = true;
  return S_OK;
}

}  // namespace testkit
