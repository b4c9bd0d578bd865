#pragma once
// menuhelper.dll: the shell menu and icon library the printer folder and
// the mail settings import by name (stand-in for the one installed with the
// product). Link the target `menuhelper`; the DLL must lie where the loader
// finds it (beside the program, or beside a DLL loaded with its folder).

#include <windows.h>
#include <shlobj.h>

#ifdef __cplusplus
extern "C" {
#endif

// A new empty browser menu for `browser` (may be null; it is not called):
// the popups "ファイル(&F)", "編集(&E)", "表示(&V)", "ツール(&T)" and
// "ヘルプ(&H)", whose items carry the shell's marker ids FCIDM_MENU_FILE,
// _EDIT, _VIEW, _TOOLS and _HELP. The view popup holds the anchor separator
// FCIDM_MENU_VIEW_SEP_OPTIONS, the tools popup FCIDM_MENU_TOOLS_SEP_GOTO.
// The caller destroys it (DestroyMenu); null when it cannot be made.
HMENU WINAPI CreateCompositeMenu(IShellBrowser* browser);

// The popup of the first item, searched depth first through `menu` and its
// popups, whose id is `marker` and which opens a popup; null when there is
// none (or `menu` is null).
HMENU WINAPI FindMenu(HMENU menu, UINT marker);

// The position in `popup` (its own items only) of the first item whose id is
// `anchorId`; -1 when there is none (or `popup` is null).
int WINAPI FindPosition(HMENU popup, UINT anchorId);

// Flags of MergeMenus.
#define MENUHELPER_MERGE_SEPARATOR 0x0001  // a separator before the merged items,
                                           // unless they start the menu or
                                           // follow a separator

// Copies the items of `source` into `target` at `position` (past the end, or
// 0xFFFFFFFF: at the end), popups with all their items, in order. Every
// command item's id gets `idOffset` added; an item whose new id would reach
// `idLimit` (id + offset >= limit) or leave the 16 bits a command travels in
// is left out. `idLimit` 0 sets no limit. Separators are copied as they are;
// popup items keep their own ids (markers), their items are offset like the
// rest. `source` is left as it was. `reserved` must be 0.
// Returns the next free id: the highest id given to a merged command item
// plus one, or `idOffset` when no command item was merged (so "result −
// idOffset" is the number of ids used from the offset on).
UINT WINAPI MergeMenus(HMENU target, HMENU source, UINT position, UINT idOffset, UINT idLimit,
                       UINT flags, UINT reserved);

// Brings the view popup up to date after a merge. Nothing needs refreshing
// here: TRUE for a menu, FALSE for anything else.
BOOL WINAPI UpdateViewMenu(HMENU popup);

// The 32 x 32 and the 16 x 16 icon of a printer in the state `statusTag`
// ("<STATE_READY>", "<STATE_PRINTING>", "<STATE_ALARM>", "<STATE_OFFLINE>",
// "<STATE_NO_RESPONSE>", "<STATE_UNKNOWN>", "<STATE_NO_SENDING>"; any other
// tag, an empty or a null one gives the unknown state's icons). `model` may
// be null; every model has the same picture. Either output may be null when
// that icon is not wanted. The caller destroys the icons (DestroyIcon).
// TRUE when every icon asked for was made; on failure the outputs are null.
BOOL WINAPI GetIcon(const char* model, const char* statusTag, HICON* largeIcon, HICON* smallIcon);

#ifdef __cplusplus
}
#endif
