#pragma once
// The mail notification module's objects as the management window gets
// them: the registered folder from CoCreateInstance, the others from it.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "maintui/rmmui.h"

template <typename Interface>
struct Released {
  void operator()(Interface* object) const {
    if (object != nullptr) object->Release();
  }
};
template <typename Interface>
using Com = std::unique_ptr<Interface, Released<Interface>>;

template <typename Interface>
Com<Interface> ObjectOf(REFCLSID clsid) {
  IRMMUIFolder* folder = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_RMMUIFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IRMMUIFolder,
                             reinterpret_cast<void**>(&folder)),
            S_OK);
  if (folder == nullptr) return nullptr;
  Interface* object = nullptr;
  EXPECT_EQ(folder->CreateObject(clsid, __uuidof(Interface), reinterpret_cast<void**>(&object)), S_OK);
  folder->Release();
  return Com<Interface>(object);
}
