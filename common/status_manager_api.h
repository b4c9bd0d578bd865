#pragma once
// The status manager's entries, as its callers look them up by name in the
// library "statusmgr". Open and read return 0 on success. Strings are ANSI.

#include <cstdint>

#if defined(_WIN32)
#define DAV_CALL __stdcall
#else
#define DAV_CALL
#endif

using OpenManagerExAFunction = int(DAV_CALL*)(const char* printerName, std::uint32_t reserved,
                                              std::uint32_t mode, void** manager);
using GetPrinterStatusAFunction = int(DAV_CALL*)(void* manager, const char* item, void* buffer,
                                                 std::uint32_t size, std::uint32_t* needed);
using UpdatePrinterStatusAFunction = int(DAV_CALL*)(void* manager, const char* item,
                                                    const void* buffer, std::uint32_t size);
using CloseManagerFunction = int(DAV_CALL*)(void* manager);

inline constexpr char kStatusManagerLibrary[] = "statusmgr";
inline constexpr std::uint32_t kOpenForAlarms = 10;    // the alarm plug-in's mode
inline constexpr std::uint32_t kOpenForDispatch = 1;   // the print processor's mode

// Bits of the state word (DavPrinterStatus word 2) and the detail word (1).
inline constexpr std::uint32_t kStateOnline = 0x1;
inline constexpr std::uint32_t kStateTonerOut = 0x2;
inline constexpr std::uint32_t kPageCountUnknown = 0xFFFFFFFF;
