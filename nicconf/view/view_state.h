#pragma once
// The one view of the folder, module-wide as the host shows one at a time:
// its windows, the browser that holds it, how it sorts and what its refresh
// is doing. Touched only from the thread that owns the view window.

#include <shlobj.h>

#include "nicconf/exchange/exchange.h"
#include "nicconf/view/core/list_columns.h"

namespace nic::view {

enum class RefreshState { Idle, Polling };

struct ViewState {
  HWND parent = nullptr;  // the "ParentView" window
  HWND list = nullptr;    // its list control
  IShellFolder* folder = nullptr;
  IShellBrowser* browser = nullptr;
  FOLDERSETTINGS folderSettings{};
  UINT activation = SVUIA_DEACTIVATE;
  ListSort sort;
  HWND labelEdit = nullptr;  // while an in-place rename is under way
  HACCEL accelerators = nullptr;
  HMENU menu = nullptr;  // the browser menu merged at activation

  RefreshState refresh = RefreshState::Idle;
  DWORD pollStart = 0;          // tick count at which the last poll began
  Exchange* tcpPoll = nullptr;  // the status poll of the TCP/IP printers
  bool ipxPolling = false;      // the IPX poll of the NetWare printers runs
};

ViewState& View();

// Timer ids on the "ParentView" window.
inline constexpr UINT_PTR kRefreshTimer = 1000;  // the next poll is due
inline constexpr UINT_PTR kPollTimer = 1001;     // the running polls are looked at

// Commands the view window carries out (menus, toolbar, keys).
inline constexpr int kCommandStatus = 100;
inline constexpr int kCommandProperties = 10;
inline constexpr int kCommandPropertiesMenu = 103;
inline constexpr int kCommandDeleteButton = 5;
inline constexpr int kCommandRename = 102;
inline constexpr int kCommandDelete = 199;
inline constexpr int kCommandRegister = 106;
inline constexpr int kCommandIcons = 210;
inline constexpr int kCommandSmallIcons = 211;
inline constexpr int kCommandList = 212;
inline constexpr int kCommandDetails = 213;
inline constexpr int kCommandRefresh = 290;
inline constexpr int kCommandOptions = 291;
inline constexpr int kCommandPowerOn = 293;
inline constexpr int kCommandPowerOff = 294;

// The lParam of a posted command 106: ask before the wizard starts.
inline constexpr LPARAM kAskFirst = 1;

}  // namespace nic::view
