#include "nicconf/folder/class_factory.h"

#include <new>

#include "common/win/entry_guard.h"
#include "nicconf/folder/class_ids.h"
#include "nicconf/folder/com_object.h"
#include "nicconf/folder/nic_folder.h"
#include "nicconf/folder/nic_handler.h"

namespace {

struct FolderClass {
  const CLSID* clsid;
  HRESULT (*create)(REFIID riid, void** out);
};

// The classes the host creates; the folder makes the others itself.
constexpr FolderClass kClasses[] = {
    {&kClsidNicFolder, CreateNicFolder},
    {&kClsidNicHandler, CreateNicHandler},
};

class ClassFactory : public IClassFactory, public ModuleObject {
 public:
  explicit ClassFactory(const FolderClass& entry) : entry_(entry) { InitializeCriticalSection(&creating_); }
  ~ClassFactory() override { DeleteCriticalSection(&creating_); }

  FOLDER_OBJECT_REFERENCES

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
      LockFolderModule();
    else
      UnlockFolderModule();
    return S_OK;
  }

 private:
  const FolderClass& entry_;
  CRITICAL_SECTION creating_;
};

}  // namespace

HRESULT GetFolderClassObject(REFCLSID clsid, REFIID riid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  for (const FolderClass& entry : kClasses) {
    if (*entry.clsid != clsid) continue;
    auto* factory = new (std::nothrow) ClassFactory(entry);
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(riid, out);
    factory->Release();
    return result;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}
