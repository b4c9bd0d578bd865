// The folder as the host uses it: created by its class id after regsvr32,
// enumerated from the list file beside the DLL, its items named and given
// icons; and the module's unloading rules.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/win/testing/registry_sandbox.h"
#include "nicconf/folder/class_ids.h"
#include "nicconf/folder/tests/folder_test_support.h"

namespace {

const char kTwoPrinters[] =
    "経理部,LP-S100,00:80:87:12:34:56,192.168.1.20,00000000,1.0,<READY>,TCP/IP,3,7\r\n"
    "Tom's,,00:80:87:12:34:57,-----,0000ABCD,,,NetWare,0,0\r\n";

class FolderServer : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(RunRegsvr32(false), 0u); }
  static void TearDownTestSuite() { RunRegsvr32(true); }

  void SetUp() override {
    CoInitialize(nullptr);
    WriteListFile(kTwoPrinters);
    ASSERT_EQ(CoCreateInstance(kClsidNicFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                               reinterpret_cast<void**>(&folder_)),
              S_OK);
  }
  void TearDown() override {
    for (LPITEMIDLIST item : items_) CoTaskMemFree(item);
    if (folder_ != nullptr) folder_->Release();
    WriteListFile("");
    CoUninitialize();
  }

  std::vector<LPITEMIDLIST> Enumerate() {
    IEnumIDList* enumerator = nullptr;
    EXPECT_EQ(folder_->EnumObjects(nullptr, SHCONTF_NONFOLDERS, &enumerator), S_OK);
    if (enumerator == nullptr) return {};
    LPITEMIDLIST item = nullptr;
    ULONG fetched = 0;
    while (enumerator->Next(1, &item, &fetched) == S_OK) {
      EXPECT_EQ(fetched, 1u);
      items_.push_back(item);
    }
    enumerator->Release();
    return items_;
  }

  std::string NameOf(LPCITEMIDLIST item, HRESULT expected = S_OK) {
    STRRET name{};
    EXPECT_EQ(folder_->GetDisplayNameOf(item, SHGDN_NORMAL, &name), expected);
    return expected == S_OK ? name.cStr : "";
  }

  IShellFolder* folder_ = nullptr;
  std::vector<LPITEMIDLIST> items_;
};

TEST_F(FolderServer, EnumeratesThePrintersOfTheListFileByName) {
  const auto items = Enumerate();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(NameOf(items[0]), "経理部");
  EXPECT_EQ(NameOf(items[1]), "Tom's");
  IPersistFolder* persist = nullptr;
  ASSERT_EQ(folder_->QueryInterface(IID_IPersistFolder, reinterpret_cast<void**>(&persist)), S_OK);
  CLSID id{};
  EXPECT_EQ(persist->GetClassID(&id), S_OK);
  EXPECT_EQ(id, kClsidNicFolder);
  persist->Release();
  IUnknown* product = nullptr;
  EXPECT_EQ(folder_->QueryInterface(kIidNicFolder, reinterpret_cast<void**>(&product)), S_OK);
  if (product != nullptr) product->Release();
}

TEST_F(FolderServer, EnumerationWantsTheNonFoldersFlagAListFileAndOneItemAtATime) {
  IEnumIDList* enumerator = nullptr;
  EXPECT_EQ(folder_->EnumObjects(nullptr, SHCONTF_FOLDERS, &enumerator), E_FAIL);
  EXPECT_EQ(enumerator, nullptr);
  EXPECT_EQ(folder_->EnumObjects(nullptr, SHCONTF_NONFOLDERS, nullptr), E_POINTER);

  ASSERT_EQ(folder_->EnumObjects(nullptr, SHCONTF_NONFOLDERS, &enumerator), S_OK);
  LPITEMIDLIST two[2] = {};
  EXPECT_EQ(enumerator->Next(2, two, nullptr), E_INVALIDARG);
  LPITEMIDLIST item = nullptr;
  while (enumerator->Next(1, &item, nullptr) == S_OK) items_.push_back(item);
  EXPECT_EQ(items_.size(), 2u);
  EXPECT_EQ(enumerator->Next(2, two, nullptr), S_FALSE);
  EXPECT_EQ(enumerator->Reset(), E_NOTIMPL);
  enumerator->Release();

  WriteListFile("");
  EXPECT_EQ(folder_->EnumObjects(nullptr, SHCONTF_NONFOLDERS, &enumerator), E_FAIL);
  WriteListFile("\r\n\r\n");
  EXPECT_EQ(folder_->EnumObjects(nullptr, SHCONTF_NONFOLDERS, &enumerator), E_FAIL);
}

TEST_F(FolderServer, AnItemThatIsNoneOfOursOrCutShortIsRefused) {
  const auto items = Enumerate();
  ASSERT_FALSE(items.empty());
  const SIZE_T size = 20;
  auto* cut = static_cast<LPITEMIDLIST>(CoTaskMemAlloc(size));
  std::memcpy(cut, items[0], size);
  NameOf(cut, E_FAIL);
  CoTaskMemFree(cut);
  LPCITEMIDLIST none = nullptr;
  NameOf(none, E_FAIL);
}

TEST_F(FolderServer, IconsAreForOneItemOnlyAndComeFromTheMenuLibrary) {
  const auto items = Enumerate();
  ASSERT_EQ(items.size(), 2u);
  LPCITEMIDLIST both[] = {items[0], items[1]};
  IExtractIconA* icon = nullptr;
  EXPECT_EQ(folder_->GetUIObjectOf(nullptr, 2, both, IID_IExtractIconA, nullptr, reinterpret_cast<void**>(&icon)),
            E_INVALIDARG);
  EXPECT_EQ(folder_->GetUIObjectOf(nullptr, 1, nullptr, IID_IExtractIconA, nullptr, reinterpret_cast<void**>(&icon)),
            E_POINTER);
  void* other = nullptr;
  EXPECT_EQ(folder_->GetUIObjectOf(nullptr, 1, both, IID_IDropTarget, nullptr, &other), E_NOINTERFACE);
  EXPECT_EQ(folder_->CreateViewObject(nullptr, IID_IDropTarget, &other), E_NOINTERFACE);
  ASSERT_EQ(folder_->CreateViewObject(nullptr, IID_IShellView, &other), S_OK);
  static_cast<IShellView*>(other)->Release();

  ASSERT_EQ(folder_->GetUIObjectOf(nullptr, 1, both, IID_IExtractIconA, nullptr, reinterpret_cast<void**>(&icon)),
            S_OK);
  UINT flags = 0;
  int index = -1;
  char file[MAX_PATH] = "";
  EXPECT_EQ(icon->GetIconLocation(0, file, MAX_PATH, &index, &flags), S_OK);
  EXPECT_EQ(flags, static_cast<UINT>(GIL_NOTFILENAME));
  HICON large = nullptr, small = nullptr;
  EXPECT_EQ(icon->Extract(file, index, &large, &small, MAKELONG(32, 16)), S_OK);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(large, &info));
  BITMAP bitmap{};
  GetObject(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  ASSERT_TRUE(GetIconInfo(small, &info));
  GetObject(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 16);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(large);
  DestroyIcon(small);
  icon->Release();
}

TEST_F(FolderServer, TheModuleMayUnloadOnlyOnceEveryObjectIsReleased) {
  HMODULE module = GetModuleHandleA("nicconf.dll");
  ASSERT_NE(module, nullptr);
  auto canUnload = reinterpret_cast<HRESULT(__stdcall*)()>(reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
  ASSERT_NE(canUnload, nullptr);
  IEnumIDList* enumerator = nullptr;
  ASSERT_EQ(folder_->EnumObjects(nullptr, SHCONTF_NONFOLDERS, &enumerator), S_OK);
  folder_->Release();
  folder_ = nullptr;
  EXPECT_EQ(canUnload(), S_FALSE);
  enumerator->Release();
  EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(FolderServer, WithoutANetworkClientTheFolderCannotBeInitialised) {
  IPersistFolder* persist = nullptr;
  ASSERT_EQ(folder_->QueryInterface(IID_IPersistFolder, reinterpret_cast<void**>(&persist)), S_OK);
  EXPECT_EQ(persist->Initialize(nullptr), E_FAIL);
  persist->Release();
}

// What the host shows for the folder itself ("%MODULE%,0"): the first icon
// of the DLL, in both sizes.
TEST(FolderModule, TheDefaultIconIsTheFoldersOwn) {
  HMODULE dll = LoadLibraryExA(ModuleBeside("nicconf.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(dll, nullptr);
  for (int size : {32, 16}) {
    HICON icon = static_cast<HICON>(LoadImageA(dll, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
    EXPECT_NE(icon, nullptr) << size;
    DestroyIcon(icon);
  }
  FreeLibrary(dll);
}

// A copy of the DLL in a folder of its own, unregistered: it leaves neither
// its settings nor its list behind when it is unloaded. Registered, it keeps
// the list and writes its settings.
TEST(FolderModule, AfterUnregisteringUnloadingDeletesTheFilesBesideIt) {
  TemporaryFolder folder;
  const std::string dll = folder.path() + "\\nicconf.dll";
  ASSERT_TRUE(CopyFileA(ModuleBeside("nicconf.dll").c_str(), dll.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(ModuleBeside("menuhelper.dll").c_str(), (folder.path() + "\\menuhelper.dll").c_str(), FALSE));
  const std::string ini = folder.path() + "\\nicconf.ini", nic = folder.path() + "\\nicconf.nic";
  auto exists = [](const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; };

  HMODULE kept = LoadLibraryA(dll.c_str());
  ASSERT_NE(kept, nullptr);
  WritePrivateProfileStringA("PROPERTY TIME", "REFRESHCYCLE", "045", ini.c_str());
  CopyFileA(ModuleBeside("nicconf.dll").c_str(), nic.c_str(), FALSE);
  FreeLibrary(kept);
  EXPECT_TRUE(exists(nic));
  char cycle[8] = "";
  GetPrivateProfileStringA("PROPERTY TIME", "REFRESHCYCLE", "", cycle, sizeof cycle, ini.c_str());
  EXPECT_STREQ(cycle, "30");  // read as invalid at attach, written back as the default

  HMODULE removed = LoadLibraryA(dll.c_str());
  ASSERT_NE(removed, nullptr);
  auto unregister = reinterpret_cast<HRESULT(__stdcall*)()>(reinterpret_cast<void*>(GetProcAddress(removed, "DllUnregisterServer")));
  ASSERT_NE(unregister, nullptr);
  EXPECT_EQ(unregister(), S_OK);
  FreeLibrary(removed);
  EXPECT_FALSE(exists(ini));
  EXPECT_FALSE(exists(nic));
}

}  // namespace
