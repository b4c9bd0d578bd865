#include "common/win/class_factory.h"

#include <new>

#include "common/win/com_object.h"
#include "common/win/entry_guard.h"

namespace {

class ClassFactory : public IClassFactory, public ModuleObject {
 public:
  explicit ClassFactory(const ComClass& entry) : entry_(entry) { InitializeCriticalSection(&creating_); }
  ~ClassFactory() override { DeleteCriticalSection(&creating_); }

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) return HandOut(static_cast<IClassFactory*>(this), out);
    return E_NOINTERFACE;
  }

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    EnterCriticalSection(&creating_);
    const HRESULT result = GuardedMethod([&] { return entry_.create(riid, out); });
    LeaveCriticalSection(&creating_);
    return result;
  }

  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock)
      LockModule();
    else
      UnlockModule();
    return S_OK;
  }

 private:
  const ComClass& entry_;
  CRITICAL_SECTION creating_;
};

}  // namespace

HRESULT GetClassObjectOf(std::span<const ComClass> classes, REFCLSID clsid, REFIID riid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  for (const ComClass& entry : classes) {
    if (*entry.clsid != clsid) continue;
    auto* factory = new (std::nothrow) ClassFactory(entry);
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(riid, out);
    factory->Release();
    return result;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}
