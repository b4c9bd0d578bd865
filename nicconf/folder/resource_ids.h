#pragma once
// Resource numbers of nicconf.dll (shared by the code and the resource
// script).

#define IDI_FOLDER 1

#define kFolderScript 101
#define kHandlerScript 125

#define IDS_FOLDER_CLASS 201
#define IDS_ENUM_CLASS 202
#define IDS_ICON_CLASS 203
#define IDS_VIEW_CLASS 204
#define IDS_MENU_CLASS 205
#define IDS_HANDLER_CLASS 206
