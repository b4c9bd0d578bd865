#pragma once
// The class factories of the classes a host creates by CLSID: one table row
// each, creation serialised by the factory's critical section, every
// creation behind the entry guard.

#include <windows.h>

#include <span>

struct ComClass {
  const CLSID* clsid;
  HRESULT (*create)(REFIID riid, void** out);
};

// DllGetClassObject over the module's table; `classes` outlives the factory.
HRESULT GetClassObjectOf(std::span<const ComClass> classes, REFCLSID clsid, REFIID riid, void** out);
