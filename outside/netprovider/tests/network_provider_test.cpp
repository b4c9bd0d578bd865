// The stand-in provider as the system's router meets it: without it the
// current context has no network (ERROR_NO_NETWORK), with it the context
// opens and lists nothing; and its entries as the router calls them.
//
// mpr.dll is loaded and freed by the tests, never imported: it reads the
// providers when it is loaded.
#include <gtest/gtest.h>
#include <windows.h>
#include <winnetwk.h>

extern "C" {
#include <npapi.h>
}

#include "common/win/library.h"
#include "common/win/testing/installed_network_provider.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/registry_sandbox.h"

namespace {

using OpenEnumFunction = decltype(&WNetOpenEnumA);
using CloseEnumFunction = decltype(&WNetCloseEnum);

// What the printer folder asks when it starts: an enumeration of the print
// resources of the current context, opened and closed again. (What Wine
// then lists is its own: one nameless entry for the whole network.)
DWORD OpenContext() {
  const Library router(LoadLibraryA("mpr.dll"));
  auto open = router.Find<OpenEnumFunction>("WNetOpenEnumA");
  auto close = router.Find<CloseEnumFunction>("WNetCloseEnum");
  if (!open || !close) return ERROR_PROC_NOT_FOUND;
  HANDLE enumeration = nullptr;
  const DWORD opened = open(RESOURCE_CONTEXT, RESOURCETYPE_PRINT, 0, nullptr, &enumeration);
  if (opened == NO_ERROR) close(enumeration);  // Wine answers 6 for a context enumeration; nobody looks
  return opened;
}

bool RealKeyExists(const char* key, const char* value = nullptr) {
  std::string command = std::string("reg.exe query \"HKLM\\") + key + "\"";
  if (value != nullptr) command += std::string(" /v ") + value;
  return RunConsole(command, 10000).exitCode == 0;
}

// The first test: mpr has not been loaded with a provider yet.
TEST(NetworkProvider, WithoutItTheContextHasNoNetwork) {
  ASSERT_EQ(GetModuleHandleA("mpr.dll"), nullptr);
  EXPECT_EQ(OpenContext(), static_cast<DWORD>(ERROR_NO_NETWORK));
  EXPECT_EQ(GetModuleHandleA("mpr.dll"), nullptr) << "mpr.dll stays loaded: later tests cannot reload it";
}

TEST(NetworkProvider, InstalledTheContextOpensAndAfterwardsNothingIsLeft) {
  {
    const InstalledNetworkProvider provider;
    ASSERT_TRUE(provider.ready()) << provider.failure();
    EXPECT_EQ(OpenContext(), static_cast<DWORD>(NO_ERROR));
    EXPECT_NE(GetFileAttributesA(InstalledNetworkProvider::InstalledPath().c_str()), INVALID_FILE_ATTRIBUTES);
  }
  EXPECT_EQ(GetFileAttributesA(InstalledNetworkProvider::InstalledPath().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(RealKeyExists("System\\CurrentControlSet\\Services\\NicSuiteNet"));
  EXPECT_FALSE(RealKeyExists("System\\CurrentControlSet\\Control\\NetworkProvider\\Order", "ProviderOrder"));
  EXPECT_EQ(OpenContext(), static_cast<DWORD>(ERROR_NO_NETWORK));
}

TEST(NetworkProvider, InstalledInsideARegistrySandboxTheContextOpensToo) {
  const RegistrySandbox sandbox;
  ASSERT_TRUE(sandbox.ready());
  const InstalledNetworkProvider provider;
  ASSERT_TRUE(provider.ready()) << provider.failure();
  EXPECT_EQ(OpenContext(), static_cast<DWORD>(NO_ERROR));
}

TEST(NetworkProvider, RefusesToInstallOnceMprHasReadItsProviders) {
  const Library router(LoadLibraryA("mpr.dll"));
  const InstalledNetworkProvider provider;
  EXPECT_FALSE(provider.ready());
  EXPECT_EQ(GetFileAttributesA(InstalledNetworkProvider::InstalledPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

class ProviderEntriesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(getCaps_ && openEnum_ && enumResource_ && closeEnum_); }

  Library provider_{LoadLibraryA("netprovider.dll")};
  decltype(&NPGetCaps) getCaps_ = provider_.Find<decltype(&NPGetCaps)>("NPGetCaps");
  decltype(&NPOpenEnum) openEnum_ = provider_.Find<decltype(&NPOpenEnum)>("NPOpenEnum");
  decltype(&NPEnumResource) enumResource_ = provider_.Find<decltype(&NPEnumResource)>("NPEnumResource");
  decltype(&NPCloseEnum) closeEnum_ = provider_.Find<decltype(&NPCloseEnum)>("NPCloseEnum");
};

TEST_F(ProviderEntriesTest, AnnouncesAVersionANetTypeAndContextEnumerationOnly) {
  EXPECT_EQ(getCaps_(WNNC_SPEC_VERSION), static_cast<DWORD>(WNNC_SPEC_VERSION51));
  EXPECT_NE(getCaps_(WNNC_NET_TYPE), 0u);
  EXPECT_EQ(getCaps_(WNNC_NET_TYPE) & 0xFFFF, 0u);  // the type lies in the high word
  EXPECT_EQ(getCaps_(WNNC_ENUMERATION), static_cast<DWORD>(WNNC_ENUM_CONTEXT));
  EXPECT_EQ(getCaps_(WNNC_CONNECTION), 0u);
  EXPECT_EQ(getCaps_(WNNC_START), 0u);
}

TEST_F(ProviderEntriesTest, TheContextEnumeratesNothing) {
  HANDLE enumeration = nullptr;
  ASSERT_EQ(openEnum_(RESOURCE_CONTEXT, RESOURCETYPE_PRINT, 0, nullptr, &enumeration),
            static_cast<DWORD>(WN_SUCCESS));
  ASSERT_NE(enumeration, nullptr);
  DWORD count = 5, size = 64;
  char buffer[64];
  EXPECT_EQ(enumResource_(enumeration, &count, buffer, &size), static_cast<DWORD>(WN_NO_MORE_ENTRIES));
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(closeEnum_(enumeration), static_cast<DWORD>(WN_SUCCESS));

  EXPECT_EQ(openEnum_(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, nullptr, &enumeration),
            static_cast<DWORD>(WN_NOT_SUPPORTED));
  EXPECT_EQ(enumeration, nullptr);
  EXPECT_EQ(enumResource_(nullptr, &count, buffer, &size), static_cast<DWORD>(WN_BAD_HANDLE));
  EXPECT_EQ(closeEnum_(nullptr), static_cast<DWORD>(WN_BAD_HANDLE));
}

}  // namespace
