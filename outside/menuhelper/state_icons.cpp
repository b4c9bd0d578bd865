// The printer icon of each state the folder's items carry.
#include "outside/menuhelper/menuhelper.h"

#include <cstring>

#include "common/win/entry_guard.h"
#include "common/win/gdi.h"
#include "outside/menuhelper/icon_resources.h"

namespace {

struct StateIcon {
  const char* tag;
  int resource;
};

constexpr StateIcon kStateIcons[] = {
    {"<STATE_READY>", IDI_PRINTER_READY},
    {"<STATE_PRINTING>", IDI_PRINTER_PRINTING},
    {"<STATE_ALARM>", IDI_PRINTER_ALARM},
    {"<STATE_OFFLINE>", IDI_PRINTER_OFFLINE},
    {"<STATE_NO_RESPONSE>", IDI_PRINTER_NO_RESPONSE},
    {"<STATE_UNKNOWN>", IDI_PRINTER_UNKNOWN},
    {"<STATE_NO_SENDING>", IDI_PRINTER_NO_SENDING},
};

int ResourceOf(const char* tag) {
  if (tag != nullptr) {
    for (const StateIcon& state : kStateIcons) {
      if (std::strcmp(state.tag, tag) == 0) return state.resource;
    }
  }
  return IDI_PRINTER_UNKNOWN;
}

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ResourceOf), &module);
  return module;
}

Icon Load(int resource, int size) {
  return Icon(static_cast<HICON>(
      LoadImageA(ThisModule(), MAKEINTRESOURCEA(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

extern "C" BOOL WINAPI GetIcon(const char*, const char* statusTag, HICON* largeIcon, HICON* smallIcon) {
  if (largeIcon != nullptr) *largeIcon = nullptr;
  if (smallIcon != nullptr) *smallIcon = nullptr;
  return GuardedEntry<BOOL>(FALSE, [&] {
    const int resource = ResourceOf(statusTag);
    Icon big, little;
    if (largeIcon != nullptr && !(big = Load(resource, 32))) return FALSE;
    if (smallIcon != nullptr && !(little = Load(resource, 16))) return FALSE;
    if (largeIcon != nullptr) *largeIcon = big.release();
    if (smallIcon != nullptr) *smallIcon = little.release();
    return TRUE;
  });
}
