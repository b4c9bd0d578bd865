#pragma once
// The class factories of the classes the host creates by CLSID: one table
// row each, creation serialised by the factory's critical section.

#include <windows.h>

HRESULT GetFolderClassObject(REFCLSID clsid, REFIID riid, void** out);
