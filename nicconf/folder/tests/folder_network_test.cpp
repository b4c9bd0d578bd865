// The folder on a workstation with a network client: the stand-in network
// provider installed before the DLL (and the router it imports) is loaded.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include "common/win/testing/installed_network_provider.h"
#include "nicconf/folder/class_ids.h"

namespace {

using GetClassObject = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);

TEST(FolderOnANetwork, InitialiseSucceedsWhereAPrintEnumerationOpens) {
  InstalledNetworkProvider provider;
  ASSERT_TRUE(provider.ready()) << provider.failure();
  CoInitialize(nullptr);
  HMODULE dll = LoadLibraryA("nicconf.dll");
  ASSERT_NE(dll, nullptr);
  auto getClassObject =
      reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
  IClassFactory* factory = nullptr;
  ASSERT_EQ(getClassObject(kClsidNicFolder, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  IPersistFolder* folder = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPersistFolder, reinterpret_cast<void**>(&folder)), S_OK);
  LPITEMIDLIST desktop = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop), S_OK);
  EXPECT_EQ(folder->Initialize(desktop), S_OK);
  CoTaskMemFree(desktop);
  folder->Release();
  factory->Release();
  // The DLL goes before the provider does, so the router lets go of it.
  FreeLibrary(dll);
  CoUninitialize();
}

}  // namespace
