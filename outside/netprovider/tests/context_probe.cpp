// Prints what WNetOpenEnumA answers for the print resources of the current
// context: 0 with a network provider, 1222 without. For the test of
// install-provider.sh, which installs the provider from outside. (An exit
// code would reach the shell cut to one byte.)
#include <windows.h>
#include <winnetwk.h>

#include <cstdio>

int main() {
  HANDLE enumeration = nullptr;
  const DWORD opened = WNetOpenEnumA(RESOURCE_CONTEXT, RESOURCETYPE_PRINT, 0, nullptr, &enumeration);
  if (opened == NO_ERROR) WNetCloseEnum(enumeration);
  std::printf("%lu\n", opened);
  return 0;
}
