#pragma once
// The calling forms of the NetWare client libraries as the folder relies on
// them. The libraries lie outside the system and are loaded by name; status
// values with the high bit set are errors.

#include <cstddef>
#include <cstdint>

#include "nicconf/ipx/core/ipx_address.h"

#define NW_CALL __stdcall

namespace nic::ipx::netware {

inline constexpr const char* kIpxLibrary = "NWSIPX32.DLL";
inline constexpr const char* kCallsLibrary = "CALWIN32.DLL";
inline constexpr const char* kDirectoryLibrary = "NETWIN32.DLL";

inline constexpr std::uint32_t kWaitCompleted = 0;
inline constexpr std::uint32_t kWaitTimedOut = 1;
inline constexpr std::uint32_t kWaitCancelled = 0x80000003;
inline constexpr std::uint32_t kNoEventGroup = 0xFFFFFFFF;
inline constexpr std::uint32_t kDatagramBlock = 2;

struct Fragment {
  void* buffer;
  std::uint32_t length;
};

// What the folder fills before a send or receive and reads after one; the
// library's own bookkeeping lies beyond it.
struct ControlBlock {
  std::uint32_t socket;
  std::uint32_t fragmentCount;  // 1
  Fragment fragments[1];
  std::uint32_t dataLength;
  AddressRecord destination;
  std::uint32_t receivedLength;
  std::uint8_t sourceNetwork[kNetworkSize];
  std::uint8_t sourceNode[kNodeSize];
};

// The socket's own address: network, node, socket.
struct InternetAddress {
  std::uint8_t network[kNetworkSize];
  std::uint8_t node[kNodeSize];
  std::uint8_t socket[2];
};

using OpenSocket = std::uint32_t(NW_CALL*)(std::uint32_t flags, std::uint32_t mode,
                                            const std::uint8_t* socketNumber,
                                            std::uint32_t* socket);
using GetInternetAddress = std::uint32_t(NW_CALL*)(std::uint32_t socket, InternetAddress* address);
using CloseSocket = std::uint32_t(NW_CALL*)(std::uint32_t socket);
using AllocControlBlock = std::uint32_t(NW_CALL*)(std::uint32_t kind, std::uint32_t* eventGroup,
                                                   ControlBlock** block);
using BlockCall = std::uint32_t(NW_CALL*)(ControlBlock* block);
using WaitForMultipleEvents = std::uint32_t(NW_CALL*)(std::uint32_t eventGroup,
                                                       std::uint32_t timeoutMs,
                                                       ControlBlock** completed);
using CallsInit = std::uint32_t(NW_CALL*)(void* in, void* out);

// The directory (NDS).
inline constexpr std::int32_t kNoContext = -328;
inline constexpr std::uint32_t kNameContextKey = 3;
inline constexpr std::int32_t kIterationDone = -1;
inline constexpr std::size_t kListBufferSize = 4096;
inline constexpr std::size_t kMaxDirectoryName = 257;  // characters and the zero

struct ObjectInfo {
  std::uint32_t objectFlags;
  std::uint32_t subordinateCount;
  std::uint32_t modificationTime;
  char baseClass[33];
};

struct ListBuffer;  // the library's; released with its context

using CreateContext = std::int32_t(NW_CALL*)();
using SetContext = std::int32_t(NW_CALL*)(std::int32_t context, std::uint32_t key,
                                          const void* value);
using GetContext = std::int32_t(NW_CALL*)(std::int32_t context, std::uint32_t key, void* value);
using AllocBuf = std::int32_t(NW_CALL*)(std::size_t size, ListBuffer** buffer);
using List = std::int32_t(NW_CALL*)(std::int32_t context, const char* object,
                                    std::int32_t* iteration, ListBuffer* buffer);
using GetObjectCount = std::int32_t(NW_CALL*)(std::int32_t context, ListBuffer* buffer,
                                              std::uint32_t* count);
using GetObjectName = std::int32_t(NW_CALL*)(std::int32_t context, ListBuffer* buffer, char* name,
                                             std::uint32_t* attributeCount, ObjectInfo* info);
using FreeContext = std::int32_t(NW_CALL*)(std::int32_t context);

// Present at start-up, never called.
using Unused = std::uint32_t(NW_CALL*)();

}  // namespace nic::ipx::netware
