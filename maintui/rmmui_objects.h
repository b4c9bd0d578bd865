#pragma once
// The module's objects: each one interface of the type library over the
// module's object count. The folder's CreateObject makes them by class id.

#include <windows.h>

#include "common/win/com_object.h"
#include "maintui/rmmui.h"

namespace maintui {

template <typename Interface>
class RmmuiObject : public Interface, public ModuleObject {
 public:
  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == __uuidof(Interface)) return HandOut(static_cast<Interface*>(this), out);
    return E_NOINTERFACE;
  }
};

HRESULT CreateFolder(REFIID riid, void** out);
HRESULT CreateMenu(REFIID riid, void** out);
HRESULT CreateEnum(REFIID riid, void** out);
HRESULT CreateView(REFIID riid, void** out);
HRESULT CreateViewExt(REFIID riid, void** out);
HRESULT CreateIcon(REFIID riid, void** out);

}  // namespace maintui
