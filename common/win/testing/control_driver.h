#pragma once
// Reading and working the common controls of a window shown by a call under
// test, from the test's thread, the way a user would: keys into an edit,
// choosing in lists, trees and combo boxes, moving sliders and spins. Each
// action tells the control's parent what the real input would tell it, so
// the window under test reacts exactly as to a user. Everything is sent with
// a time limit; actions that may bring up a message box are driven through a
// DialogSession instead (Click, MessagesOver).

#include <windows.h>

#include <string>
#include <vector>

namespace testkit {

// Keys as typed into `control`: a WM_KEYDOWN, WM_CHAR and WM_KEYUP for each
// character (or key), in order.
void TypeKeys(HWND control, const std::wstring& text);
void PressKey(HWND control, UINT virtualKey);
// The window that has the keyboard focus on the thread of `window` (fields
// that move the focus between their parts as the user types).
HWND FocusedWindow(HWND window);
// Keys typed one at a time into whichever window has the focus then.
void TypeIntoFocus(HWND window, const std::wstring& text);
// The text through the clipboard and WM_PASTE, as Ctrl+V would bring it.
void Paste(HWND control, const std::wstring& text);

// List views (report style or not).
int ListCount(HWND list);
std::wstring ListText(HWND list, int item, int column = 0);
std::vector<std::vector<std::wstring>> ListRows(HWND list);  // every column of every item
std::vector<std::wstring> ListColumns(HWND list);             // header texts
std::vector<int> SelectedListItems(HWND list);
// Selects (and focuses) `item`; with `only`, the rest are deselected. The
// list tells its parent itself (LVN_ITEMCHANGED).
void SelectListItem(HWND list, int item, bool only = true);
// What a click on a column header tells the list's parent.
void ClickColumn(HWND list, int column);
// What a double click on an item tells the list's parent (after selecting it).
void DoubleClickItem(HWND list, int item);
int ListImage(HWND list, int item);

// Tree views: the whole tree as shown, and choosing an item by its path.
struct TreeNode {
  std::wstring text;
  int image = -1;
  std::vector<TreeNode> children;
};
std::vector<TreeNode> TreeItems(HWND tree);
// Selects the item reached by following texts from the root; false when
// some step is missing.
bool SelectTreeItem(HWND tree, const std::vector<std::wstring>& path);

// Sliders (trackbars) and spins (up-down controls): the position, and a move
// as the user's drag or click makes it (the parent hears the scroll).
int SliderPosition(HWND slider);
void MoveSlider(HWND slider, int position);
int SpinPosition(HWND spin);
void MoveSpin(HWND spin, int position);

// Combo boxes: the items, the chosen one, and a choice as a user makes it.
std::vector<std::wstring> ComboItems(HWND combo);
int ComboChoice(HWND combo);
void ChooseComboItem(HWND combo, int index);

}  // namespace testkit
