#pragma once
// The monitor's dialogs and its one way of showing a message.

#include <windows.h>

#include <string>

namespace portmon {

// The add-port dialog: 1 with the typed port name in `name`, 0 when
// cancelled.
INT_PTR RunAddPortDialog(HWND owner, const wchar_t* server, std::wstring& name);

// The configuration dialog for remote power control; always ends with 1.
INT_PTR RunConfigurePortDialog(HWND owner, const std::wstring& portName);

// A message box with the monitor's caption (string 507) and the text of
// `textId`, its %s filled with `argument`. `style` gives the icon.
int ShowMonitorMessage(HWND owner, UINT textId, UINT style, const std::wstring& argument = {});

}  // namespace portmon
