#pragma once
// What every COM object of a module shares: an interlocked reference count,
// and the module's lock it holds while alive (DllCanUnloadNow answers S_OK
// only when none is left). Each module links its own count.

#include <windows.h>

#include <new>
#include <utility>

// Live objects and server locks of the module.
void LockModule();
void UnlockModule();
bool ModuleUnlocked();

class ModuleObject {
 public:
  ModuleObject() { LockModule(); }
  virtual ~ModuleObject() { UnlockModule(); }
  ModuleObject(const ModuleObject&) = delete;
  ModuleObject& operator=(const ModuleObject&) = delete;

 protected:
  ULONG AddReference() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG Release_() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 private:
  LONG references_ = 1;
};

// AddRef and Release of a class deriving from ModuleObject and its interfaces.
#define MODULE_OBJECT_REFERENCES                                         \
  STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }     \
  STDMETHODIMP_(ULONG) Release() override { return Release_(); }

// A new object handed out as the interface asked for (E_NOINTERFACE when it
// has none such, E_OUTOFMEMORY when it cannot be made).
template <typename Object, typename... Arguments>
HRESULT CreateComObject(REFIID riid, void** out, Arguments&&... arguments) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  auto* object = new (std::nothrow) Object(std::forward<Arguments>(arguments)...);
  if (object == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = object->QueryInterface(riid, out);
  object->Release();
  return result;
}

// Hands out `object` as the interface asked for, taking a reference.
template <typename Interface>
HRESULT HandOut(Interface* object, void** out) {
  object->AddRef();
  *out = object;
  return S_OK;
}
