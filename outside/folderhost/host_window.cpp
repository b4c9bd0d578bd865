#include "outside/folderhost/host_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "common/win/text_conversion.h"
#include "outside/folderhost/host_resource_ids.h"

namespace folderhost {
namespace {

constexpr char kClassName[] = "NrvPrindoraHost";
constexpr char kTitle[] = "NRV Prindora";
constexpr int kTreeWidth = 180;
constexpr LPARAM kRootNode = -1;
constexpr LPARAM kPrintersNode = -2;  // the local printers; folders are their index

// The view's commands as the toolbar offers them, with the common
// controls' own pictures.
struct ToolButton {
  int command;
  int bitmap;  // 0: standard, 1: view pictures
  int picture;
};
constexpr ToolButton kButtons[] = {
    {10, 0, STD_PROPERTIES}, {5, 0, STD_DELETE},       {100, 0, STD_PRINTPRE}, {106, 0, STD_FILENEW},
    {0, 0, 0},               {210, 1, VIEW_LARGEICONS}, {211, 1, VIEW_SMALLICONS}, {212, 1, VIEW_LIST},
    {213, 1, VIEW_DETAILS},  {0, 0, 0},                {290, 0, STD_REDOW},
};

void AddButtons(HWND toolbar) {
  SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  TBADDBITMAP view{HINST_COMMCTRL, IDB_VIEW_SMALL_COLOR};
  const int offsets[] = {static_cast<int>(SendMessageA(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard))),
                         static_cast<int>(SendMessageA(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&view)))};
  for (const ToolButton& b : kButtons) {
    TBBUTTON button{};
    button.iBitmap = b.command == 0 ? 0 : offsets[b.bitmap] + b.picture;
    button.idCommand = b.command;
    button.fsState = 0;  // enabled by the view
    button.fsStyle = b.command == 0 ? BTNS_SEP : (b.command >= 210 && b.command <= 213 ? BTNS_CHECKGROUP : BTNS_BUTTON);
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
}

void GreyButtons(HWND toolbar) {
  for (const ToolButton& b : kButtons)
    if (b.command != 0) SendMessageA(toolbar, TB_ENABLEBUTTON, b.command, MAKELONG(FALSE, 0));
}

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const std::wstring& text, LPARAM node) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.lParam = node;
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

HostWindow::HostWindow(HINSTANCE instance) : instance_(instance) {}

HostWindow::~HostWindow() {
  if (browser_) browser_->Close();
  if (printers_) printers_->Hide();
  if (folder_ != nullptr) folder_->Release();
  if (IsWindow(frame_)) DestroyWindow(frame_);
}

std::unique_ptr<HostWindow> HostWindow::Create(HINSTANCE instance) {
  WNDCLASSA description{};
  description.lpfnWndProc = FrameProc;
  description.hInstance = instance;
  description.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  description.lpszClassName = kClassName;
  RegisterClassA(&description);
  std::unique_ptr<HostWindow> host(new HostWindow(instance));
  host->ownMenu_ = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_HOST));
  host->frame_ = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                 CW_USEDEFAULT, 1000, 600, nullptr, host->ownMenu_, instance, host.get());
  if (host->frame_ == nullptr || !host->MakeChildren()) return nullptr;
  host->FillTree();
  ShowWindow(host->frame_, SW_SHOWNORMAL);
  UpdateWindow(host->frame_);
  return host;
}

bool HostWindow::MakeChildren() {
  toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 0,
                             0, frame_, nullptr, instance_, nullptr);
  status_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame_,
                            nullptr, instance_, nullptr);
  tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                          WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
                          0, 0, 0, 0, frame_, nullptr, instance_, nullptr);
  if (toolbar_ == nullptr || status_ == nullptr || tree_ == nullptr) return false;
  AddButtons(toolbar_);
  GreyButtons(toolbar_);
  browser_ = std::make_unique<HostBrowser>(BrowserBars{frame_, toolbar_, status_, ownMenu_});
  printers_ = std::make_unique<LocalPrinters>(frame_, status_);
  Layout();
  return true;
}

void HostWindow::FillTree() {
  folders_ = RegisteredFolders();
  HTREEITEM root = AddNode(tree_, TVI_ROOT, WideFromAnsi(kTitle), kRootNode);
  for (std::size_t i = 0; i < folders_.size(); ++i) AddNode(tree_, root, folders_[i].label, static_cast<LPARAM>(i));
  AddNode(tree_, root, L"ローカルプリンタ", kPrintersNode);
  SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
}

RECT HostWindow::PaneArea() const {
  RECT client{}, bar{}, statusBar{};
  GetClientRect(frame_, &client);
  GetWindowRect(toolbar_, &bar);
  GetWindowRect(status_, &statusBar);
  return {kTreeWidth + 4, bar.bottom - bar.top, client.right, client.bottom - (statusBar.bottom - statusBar.top)};
}

void HostWindow::Layout() {
  if (!browser_ || !printers_) return;
  SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
  SendMessageA(status_, WM_SIZE, 0, 0);
  const RECT pane = PaneArea();
  MoveWindow(tree_, 0, pane.top, kTreeWidth, pane.bottom - pane.top, TRUE);
  browser_->Resize(pane);
  printers_->Resize(pane);
}

// The chosen node's contents on the right; the title names them.
void HostWindow::Choose(LPARAM node) {
  browser_->Close();
  printers_->Hide();
  if (folder_ != nullptr) folder_->Release();
  folder_ = nullptr;
  GreyButtons(toolbar_);
  SendMessageA(status_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
  std::wstring title = WideFromAnsi(kTitle);
  if (node == kPrintersNode) {
    printers_->Show(PaneArea());
    title += L" - ローカルプリンタ";
  } else if (node >= 0 && static_cast<std::size_t>(node) < folders_.size()) {
    const NameSpaceEntry& entry = folders_[static_cast<std::size_t>(node)];
    if (SUCCEEDED(CoCreateInstance(entry.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                                   reinterpret_cast<void**>(&folder_)))) {
      browser_->Open(folder_, PaneArea(), FVM_DETAILS);
    }
    title += L" - " + entry.label;
  }
  SetWindowTextW(frame_, title.c_str());
}

LRESULT HostWindow::Notified(NMHDR* header) {
  if (header->hwndFrom == tree_ && (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW)) {
    Choose(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.lParam);
    return 0;
  }
  if (header->code == TTN_NEEDTEXTA && browser_->Showing())
    return browser_->ToView(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(header));
  if (header->hwndFrom == printers_->List() && header->code == NM_RCLICK) {
    POINT at{};
    GetCursorPos(&at);
    printers_->ShowContextMenu(at);
  }
  return 0;
}

void HostWindow::Commanded(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case IDC_HOST_CLOSE: PostMessageA(frame_, WM_CLOSE, 0, 0); return;
    case IDC_HOST_REFRESH:
      printers_->Refresh();
      if (browser_->Showing()) browser_->ToView(WM_COMMAND, 290, 0);
      return;
    default:
      // The view's menu entries and toolbar buttons are the view's.
      if (browser_->Showing()) browser_->ToView(WM_COMMAND, wParam, lParam == reinterpret_cast<LPARAM>(toolbar_) ? 0 : lParam);
  }
}

bool HostWindow::ChooseNode(const std::wstring& label) {
  HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  for (HTREEITEM node = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CHILD,
                                                                  reinterpret_cast<LPARAM>(root)));
       node != nullptr;
       node = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node)))) {
    wchar_t text[128] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (label != text) continue;
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    return true;
  }
  return false;
}

LRESULT HostWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!browser_ || !printers_) return DefWindowProcA(frame_, message, wParam, lParam);
  switch (message) {
    case WM_SIZE: Layout(); return 0;
    case WM_NOTIFY: return Notified(reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND: Commanded(wParam, lParam); return 0;
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
      if (browser_->Showing()) return browser_->ToView(message, wParam, lParam);
      break;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == printers_->List()) {
        printers_->ShowContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
      }
      break;
    case WM_WININICHANGE: printers_->Refresh(); return 0;
    case WM_CLOSE:
      if (!browser_) break;
      browser_->Close();
      printers_->Hide();
      DestroyWindow(frame_);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
  }
  return DefWindowProcA(frame_, message, wParam, lParam);
}

LRESULT CALLBACK HostWindow::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* host = static_cast<HostWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    host->frame_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
  }
  auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return host != nullptr ? host->Handle(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

int HostWindow::Run() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (browser_->TranslateViewKey(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace folderhost
