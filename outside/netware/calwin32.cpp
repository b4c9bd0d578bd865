// CALWIN32.DLL stand-in: the client start-up the directory calls need, and
// the entries that must be present but are never called.
#include <cstdint>

#include "nicconf/ipx/netware_api.h"

extern "C" {

std::uint32_t NW_CALL NWCallsInit(void*, void*) { return 0; }
std::uint32_t NW_CALL NWGetFileServerInformation() { return 0x80000001; }
std::uint32_t NW_CALL NWGetFileServerDescription() { return 0x80000001; }
std::uint32_t NW_CALL NWScanObject() { return 0x80000001; }
std::uint32_t NW_CALL NWGetInetAddr() { return 0x80000001; }

}  // extern "C"
