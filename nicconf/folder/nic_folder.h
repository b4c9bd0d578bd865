#pragma once
// The printer folder the host shows: IPersistFolder, IShellFolder and the
// product's own interface.

#include <windows.h>

HRESULT CreateNicFolder(REFIID riid, void** out);
