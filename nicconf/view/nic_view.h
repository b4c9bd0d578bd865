#pragma once
// The folder's view object (NICView): the list window inside the host's
// browser, its activation and keys.

#include <shlobj.h>

// A view bound to the folder (held while the view lives) and its place.
HRESULT CreateNicView(IShellFolder* folder, REFIID riid, void** out);
