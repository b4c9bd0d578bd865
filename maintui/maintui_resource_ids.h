#pragma once
// maintui.dll's resources. Menus and commands keep the numbers the
// management window knows them by.

#define IDR_MAINTUI_SCRIPT 1    // REGISTRY
#define IDR_MAINTUI_TYPELIB 1   // TYPELIB

#define IDM_MAIL_BACKGROUND 112  // the window's background
#define IDM_MAIL_PRINTER 113     // printers

#define IDC_MAIL_SETTINGS 200
#define IDC_MAIL_HELP 201
#define IDC_ALARM_SETTINGS 203

#define IDS_COLUMN_TITLE 114
#define IDS_COLUMN_ACTIVE 115    // kind 2
#define IDS_COLUMN_STOPPED 116   // kind 1
#define IDS_COLUMN_NONE 117      // not in the list
#define IDS_MAIL_SHEET_TITLE 2001
#define IDS_ALARM_SHEET_TITLE 2002
#define IDS_SENDER_INCOMPLETE 2003
