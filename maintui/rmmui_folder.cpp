// RMMUIFolder, the one class registered: the management window gets the
// module's other objects from it.
#include "common/win/entry_guard.h"
#include "maintui/rmmui_objects.h"

namespace maintui {
namespace {

struct ObjectClass {
  const CLSID* clsid;
  HRESULT (*create)(REFIID riid, void** out);
};

constexpr ObjectClass kObjects[] = {
    {&CLSID_RMMUIFolder, CreateFolder}, {&CLSID_RMMUIView, CreateView}, {&CLSID_RMMUIIcon, CreateIcon},
    {&CLSID_RMMUIEnum, CreateEnum},     {&CLSID_RMMUIMenu, CreateMenu}, {&CLSID_RMMUIViewExt, CreateViewExt},
};

class Folder : public RmmuiObject<IRMMUIFolder> {
 public:
  STDMETHODIMP CreateObject(REFCLSID clsid, REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return GuardedMethod([&] {
      for (const ObjectClass& entry : kObjects)
        if (*entry.clsid == clsid) return entry.create(riid, out);
      return CLASS_E_CLASSNOTAVAILABLE;
    });
  }
};

}  // namespace

HRESULT CreateFolder(REFIID riid, void** out) { return CreateComObject<Folder>(riid, out); }

}  // namespace maintui
