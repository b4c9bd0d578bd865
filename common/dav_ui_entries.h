#pragma once
// How the mail settings UI calls a model's alarm settings pages, which it
// loads by the path stored for the model: first the column callback it
// wants called after every save, then the sheet for one printer.

#include <windows.h>

// Called with the item value the sheet was shown with, once per page saved.
using DavColumnCallback = void(WINAPI*)(int item);

// "UpdateColumnCall": stores the callback for the next saves; returns 1.
using UpdateColumnCallEntry = int(WINAPI*)(DavColumnCallback callback, int unused);
// "DavUiDllMain": shows the sheet modally; 1 after it closes, 0 when memory
// for it cannot be had.
using DavUiDllMainEntry = int(WINAPI*)(const char* printer, int item, HWND titleWindow);
