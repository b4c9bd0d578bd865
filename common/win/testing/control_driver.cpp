#include "common/win/testing/control_driver.h"

#include <commctrl.h>

#include "common/win/testing/dialog_driver.h"

namespace testkit {
namespace {

constexpr int kTextRoom = 1024;

void Notify(HWND control, NMHDR& header, UINT code) {
  header.hwndFrom = control;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
  header.code = code;
  SendWithin(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void Command(HWND control, WORD code) {
  SendWithin(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
             reinterpret_cast<LPARAM>(control));
}

// A key's down and up as the keyboard sends them, with the scan code in the
// flags as a real key press has it.
void Key(HWND control, UINT message, UINT virtualKey) {
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  const LPARAM flags = 1 | (static_cast<LPARAM>(scan) << 16) |
                       (message == WM_KEYUP ? (LPARAM{3} << 30) : 0);
  SendWithin(control, message, virtualKey, flags);
}

void CollectTree(HWND tree, HTREEITEM item, std::vector<TreeNode>& nodes) {
  for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[kTextRoom] = {};
    TVITEMW request{};
    request.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = text;
    request.cchTextMax = kTextRoom;
    SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
    TreeNode node{text, request.iImage, {}};
    const auto child = reinterpret_cast<HTREEITEM>(
        SendWithin(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    CollectTree(tree, child, node.children);
    nodes.push_back(std::move(node));
  }
}

std::wstring TreeText(HWND tree, HTREEITEM item) {
  wchar_t text[kTextRoom] = {};
  TVITEMW request{};
  request.mask = TVIF_TEXT | TVIF_HANDLE;
  request.hItem = item;
  request.pszText = text;
  request.cchTextMax = kTextRoom;
  SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
  return text;
}

}  // namespace

void TypeKeys(HWND control, const std::wstring& text) {
  for (const wchar_t c : text) {
    const SHORT key = VkKeyScanW(c);
    const UINT virtualKey = key == -1 ? 0 : LOBYTE(key);
    if (virtualKey != 0) Key(control, WM_KEYDOWN, virtualKey);
    SendWithin(control, WM_CHAR, c, 1);
    if (virtualKey != 0) Key(control, WM_KEYUP, virtualKey);
  }
}

void PressKey(HWND control, UINT virtualKey) {
  Key(control, WM_KEYDOWN, virtualKey);
  if (virtualKey == VK_BACK || virtualKey == VK_RETURN || virtualKey == VK_TAB) {
    SendWithin(control, WM_CHAR, virtualKey == VK_BACK ? L'\b' : virtualKey == VK_TAB ? L'\t' : L'\r', 1);
  }
  Key(control, WM_KEYUP, virtualKey);
}

HWND FocusedWindow(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void TypeIntoFocus(HWND window, const std::wstring& text) {
  for (const wchar_t c : text) TypeKeys(FocusedWindow(window), std::wstring(1, c));
}

void Paste(HWND control, const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* data = GlobalLock(memory)) {
      memcpy(data, text.c_str(), bytes);
      GlobalUnlock(memory);
      // The clipboard owns the memory once it is set.
      if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    }
  }
  CloseClipboard();
  SendWithin(control, WM_PASTE);
}

int ListCount(HWND list) { return static_cast<int>(SendWithin(list, LVM_GETITEMCOUNT)); }

std::wstring ListText(HWND list, int item, int column) {
  wchar_t text[kTextRoom] = {};
  LVITEMW request{};
  request.iSubItem = column;
  request.pszText = text;
  request.cchTextMax = kTextRoom;
  SendWithin(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&request));
  return text;
}

std::vector<std::wstring> ListColumns(HWND list) {
  std::vector<std::wstring> columns;
  for (int column = 0;; ++column) {
    wchar_t text[kTextRoom] = {};
    LVCOLUMNW request{};
    request.mask = LVCF_TEXT;
    request.pszText = text;
    request.cchTextMax = kTextRoom;
    if (!SendWithin(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                    reinterpret_cast<LPARAM>(&request))) {
      return columns;
    }
    columns.emplace_back(text);
  }
}

std::vector<std::vector<std::wstring>> ListRows(HWND list) {
  const std::size_t columns = std::max<std::size_t>(ListColumns(list).size(), 1);
  std::vector<std::vector<std::wstring>> rows;
  for (int item = 0; item < ListCount(list); ++item) {
    std::vector<std::wstring> row;
    for (std::size_t column = 0; column < columns; ++column) {
      row.push_back(ListText(list, item, static_cast<int>(column)));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<int> SelectedListItems(HWND list) {
  std::vector<int> selected;
  for (int item = -1;;) {
    item = static_cast<int>(SendWithin(list, LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                       MAKELPARAM(LVNI_SELECTED, 0)));
    if (item < 0) return selected;
    selected.push_back(item);
  }
}

void SelectListItem(HWND list, int item, bool only) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (only) SendWithin(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendWithin(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
}

void ClickColumn(HWND list, int column) {
  NMLISTVIEW click{};
  click.iItem = -1;
  click.iSubItem = column;
  Notify(list, click.hdr, LVN_COLUMNCLICK);
}

void DoubleClickItem(HWND list, int item) {
  SelectListItem(list, item);
  NMITEMACTIVATE activate{};
  activate.iItem = item;
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  SendWithin(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&bounds));
  activate.ptAction = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  Notify(list, activate.hdr, NM_DBLCLK);
}

int ListImage(HWND list, int item) {
  LVITEMW request{};
  request.mask = LVIF_IMAGE;
  request.iItem = item;
  SendWithin(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
  return request.iImage;
}

std::vector<TreeNode> TreeItems(HWND tree) {
  std::vector<TreeNode> nodes;
  const auto root = reinterpret_cast<HTREEITEM>(SendWithin(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  CollectTree(tree, root, nodes);
  return nodes;
}

bool SelectTreeItem(HWND tree, const std::vector<std::wstring>& path) {
  auto item = reinterpret_cast<HTREEITEM>(SendWithin(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  HTREEITEM found = nullptr;
  for (const std::wstring& step : path) {
    while (item != nullptr && TreeText(tree, item) != step) {
      item = reinterpret_cast<HTREEITEM>(
          SendWithin(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    if (item == nullptr) return false;
    found = item;
    SendWithin(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    item = reinterpret_cast<HTREEITEM>(
        SendWithin(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
  }
  return found != nullptr &&
         SendWithin(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(found)) != 0;
}

int SliderPosition(HWND slider) { return static_cast<int>(SendWithin(slider, TBM_GETPOS)); }

void MoveSlider(HWND slider, int position) {
  SendWithin(slider, TBM_SETPOS, TRUE, position);
  const UINT message = (GetWindowLongW(slider, GWL_STYLE) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
  SendWithin(GetParent(slider), message, MAKEWPARAM(TB_THUMBPOSITION, position),
             reinterpret_cast<LPARAM>(slider));
  SendWithin(GetParent(slider), message, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
}

int SpinPosition(HWND spin) {
  return static_cast<int>(SendWithin(spin, UDM_GETPOS32, 0, 0));
}

// The spin moves its buddy's text itself; the parent hears the scroll.
void MoveSpin(HWND spin, int position) {
  SendWithin(spin, UDM_SETPOS32, 0, position);
  const UINT message = (GetWindowLongW(spin, GWL_STYLE) & UDS_HORZ) != 0 ? WM_HSCROLL : WM_VSCROLL;
  SendWithin(GetParent(spin), message, MAKEWPARAM(SB_THUMBPOSITION, position),
             reinterpret_cast<LPARAM>(spin));
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(SendWithin(combo, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    const auto length = static_cast<std::size_t>(SendWithin(combo, CB_GETLBTEXTLEN, i));
    std::wstring text(length + 1, L'\0');
    SendWithin(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    items.push_back(text);
  }
  return items;
}

int ComboChoice(HWND combo) { return static_cast<int>(SendWithin(combo, CB_GETCURSEL)); }

void ChooseComboItem(HWND combo, int index) {
  SendWithin(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
  Command(combo, CBN_SELCHANGE);
}

}  // namespace testkit
