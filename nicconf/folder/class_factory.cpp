#include "nicconf/folder/class_factory.h"

#include "common/win/class_factory.h"
#include "nicconf/folder/class_ids.h"
#include "nicconf/folder/nic_folder.h"
#include "nicconf/folder/nic_handler.h"

namespace {

// The classes the host creates; the folder makes the others itself.
constexpr ComClass kClasses[] = {
    {&kClsidNicFolder, CreateNicFolder},
    {&kClsidNicHandler, CreateNicHandler},
};

}  // namespace

HRESULT GetFolderClassObject(REFCLSID clsid, REFIID riid, void** out) {
  return GetClassObjectOf(kClasses, clsid, riid, out);
}
