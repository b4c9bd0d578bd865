#pragma once
// The folder's enumerator: one printer item per call, from the list file as
// read when the enumerator starts.

#include <shlobj.h>

// Reads the list file into the module's list; E_FAIL without the
// non-folders flag or when the list does not load.
HRESULT CreateNicEnum(SHCONTF flags, IEnumIDList** out);
