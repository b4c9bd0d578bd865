// The add-port dialog: the user names the printer's NIC by dotted address or
// host name (the NT 3.51 build: dotted address only); names the spooler
// already has, on any monitor, are refused.
#include "portmon/core/host_name.h"
#include "portmon/shell/dialog_resources.h"
#include "portmon/shell/dialog_support.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_dialogs.h"
#include "portmon/shell/spooler_ports.h"
#include "portmon/shell/text_conversion.h"
#include "portmon/shell/version_dialog.h"

namespace portmon {
namespace {

constexpr int kNameRead = 128;
// Long enough that an over-long name still converts and then fails the
// host-name check, instead of vanishing into an empty text.
constexpr std::size_t kAnsiLimit = 1024;

struct AddPortState {
  const wchar_t* server;
  std::wstring& name;
};

// Whether the typed text may name a port of this build; says why not.
bool WellFormed(HWND dialog, const std::wstring& typed) {
  const std::string ansi = ToAnsi(typed, kAnsiLimit);
  if (!Monitor::Instance().config().addressPortsOnly) {
    if (PassesHostNameCheck(ansi)) return true;
    ShowMonitorMessage(dialog, IDS_INVALID_ADDRESS, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!IsStrictDottedAddress(ansi)) {
    ShowMonitorMessage(dialog, IDS_INVALID_ADDRESS, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  // Well formed, yet no address a port can have (0.0.0.0).
  if (DottedAddress(typed) == 0) {
    ShowMonitorMessage(dialog, IDS_INVALID_ADDRESS_NAMED, MB_OK | MB_ICONEXCLAMATION, typed);
    return false;
  }
  return true;
}

// Closes the dialog once the typed name may become a new port. A failed
// look at the spooler's ports leaves its reason as the thread's last error.
void Accept(HWND dialog, AddPortState& state) {
  state.name = ItemText(dialog, IDC_PORT_NAME, kNameRead);
  if (!WellFormed(dialog, state.name)) return;
  bool duplicate = false;
  if (const DWORD error = FindSpoolerDuplicate(state.server, state.name, duplicate)) {
    SetLastError(error);
    return;
  }
  if (duplicate) {
    ShowMonitorMessage(dialog, IDS_ADDRESS_EXISTS, MB_OK | MB_ICONSTOP, state.name);
    return;
  }
  EndDialog(dialog, 1);
}

INT_PTR CALLBACK AddPortProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    KeepDialogState(dialog, lParam);
    PresentDialog(dialog);
    LimitItemText(dialog, IDC_PORT_NAME, Monitor::Instance().config().addNameLimit);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      Accept(dialog, DialogState<AddPortState>(dialog));
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, 0);
      return TRUE;
    case IDC_SHOW_VERSION:
      RunVersionDialog(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR RunAddPortDialog(HWND owner, const wchar_t* server, std::wstring& name) {
  AddPortState state{server, name};
  return DialogBoxParamW(Monitor::Instance().module(), MAKEINTRESOURCEW(IDD_ADD_PORT), owner,
                         AddPortProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace portmon
