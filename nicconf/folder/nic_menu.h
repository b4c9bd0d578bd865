#pragma once
// The context menu of printer items (NICMenu): the item menu for a
// selection, the background menu without one. A chosen command goes back to
// the owner window as the command message the view carries out.

#include <shlobj.h>

// The ids a command takes in a menu the view merges it into: command + this.
inline constexpr UINT kItemMenuFirst = 0x1000;
inline constexpr UINT kItemMenuLast = 0x2000;

// A command's help text from the module's strings, in the form
// GetCommandString asks for (GCS_UNICODE or not); E_FAIL without one.
HRESULT CommandHelpText(UINT_PTR id, UINT type, LPSTR buffer, UINT size);

// `count` items; the pointers are copied, the items are not.
HRESULT CreateNicMenu(UINT count, LPCITEMIDLIST* items, REFIID riid, void** out);
