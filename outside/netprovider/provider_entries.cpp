// A network provider with a network and nothing on it: the workstation's
// network client answers that a network is there, and its neighbourhood
// (the current context) lists no resources. The system's router (mpr)
// loads it by the path registered for it and calls these by name.
#include <windows.h>

// The header declares the entries without C linkage.
extern "C" {
#include <npapi.h>
}

#include <new>

namespace {

// A net type of our own, far from the ones the system names.
constexpr DWORD kNetType = 0x00FE0000;

// One open enumeration; there is never anything to hand out.
struct Enumeration {
  DWORD scope;
};

}  // namespace

extern "C" DWORD WINAPI NPGetCaps(DWORD index) {
  switch (index) {
    case WNNC_SPEC_VERSION:
      return WNNC_SPEC_VERSION51;
    case WNNC_NET_TYPE:
      return kNetType;
    case WNNC_ENUMERATION:
      return WNNC_ENUM_CONTEXT;
    default:
      return 0;
  }
}

extern "C" DWORD WINAPI NPOpenEnum(DWORD scope, DWORD, DWORD, LPNETRESOURCEW, LPHANDLE enumeration) {
  if (enumeration == nullptr) return WN_BAD_VALUE;
  *enumeration = nullptr;
  if (scope != RESOURCE_CONTEXT) return WN_NOT_SUPPORTED;
  Enumeration* opened = new (std::nothrow) Enumeration{scope};
  if (opened == nullptr) return WN_OUT_OF_MEMORY;
  *enumeration = opened;
  return WN_SUCCESS;
}

extern "C" DWORD WINAPI NPEnumResource(HANDLE enumeration, LPDWORD count, LPVOID, LPDWORD) {
  if (enumeration == nullptr) return WN_BAD_HANDLE;
  if (count != nullptr) *count = 0;
  return WN_NO_MORE_ENTRIES;
}

extern "C" DWORD WINAPI NPCloseEnum(HANDLE enumeration) {
  if (enumeration == nullptr) return WN_BAD_HANDLE;
  delete static_cast<Enumeration*>(enumeration);
  return WN_SUCCESS;
}
