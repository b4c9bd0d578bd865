#pragma once
// Numbers of the dialogs, their controls and the monitor's icon, shared by
// the dialog code and the resource scripts of every build (hence macros:
// the resource compiler reads them too).

#define IDD_CONFIGURE_PORT 101
#define IDD_ADD_PORT 200
#define IDD_VERSION 300
#define IDI_MONITOR 301

#define IDC_SHOW_VERSION 30
#define IDC_PORT_NAME 201
#define IDC_VERSION_NAME 302
#define IDC_POWER_CONTROL 1000
#define IDC_MAC_ADDRESS 1001
#define IDC_MAC_LABEL 1002
#define IDC_SEARCH 1003
