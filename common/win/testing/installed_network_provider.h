#pragma once
// The stand-in network provider (netprovider.dll, beside the test program)
// installed in the prefix as Windows installs providers, for the life of
// the owner: the DLL copied into system32 and registered in the prefix's
// real registry, so WNetOpenEnum of the current context succeeds where it
// would answer ERROR_NO_NETWORK. Everything is removed again afterwards.
//
// The prefix is shared by the test programs that run in parallel: a test
// program that installs the provider holds the ctest resource lock
// "network_provider".
//
// The system's router (mpr.dll) reads the providers once, when it is
// loaded. So the owner is made before mpr is loaded in the process (a test
// program that uses it must not import mpr; it loads the DLL that does after
// the owner is made), and it loads mpr itself and keeps it loaded for its
// life: a RegistrySandbox started later cannot hide the provider. Made
// inside a sandbox, it registers the provider in the sandbox as well, where
// mpr then looks.

#include <string>

#include "common/win/library.h"

class InstalledNetworkProvider {
 public:
  static constexpr char kName[] = "NicSuiteNet";
  static constexpr char kFile[] = "netprovider.dll";

  InstalledNetworkProvider();
  ~InstalledNetworkProvider();
  InstalledNetworkProvider(const InstalledNetworkProvider&) = delete;
  InstalledNetworkProvider& operator=(const InstalledNetworkProvider&) = delete;

  // Empty when the provider is installed and mpr has it; else what failed.
  const std::string& failure() const { return failure_; }
  bool ready() const { return failure_.empty(); }

  // Where the DLL lies while installed.
  static std::string InstalledPath();

 private:
  void Install();
  void Remove();

  std::string failure_;
  bool createdProviderKey_ = false;  // Control\NetworkProvider did not exist
  bool sandboxed_ = false;           // this process's HKLM is a sandbox
  Library router_;
};
