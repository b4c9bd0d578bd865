#include "common/win/this_module.h"

// The address of this function lies in whichever module linked it.
HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const char*>(&ThisModule), &module);
  return module;
}
