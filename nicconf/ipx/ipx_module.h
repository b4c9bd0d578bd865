#pragma once
// The module's process-wide IPX state: what StartIpx loaded and opened, the
// seams it was handed, the two jobs and the result list. Internal to the
// shell's files.

#include <windows.h>

#include <atomic>

#include "common/win/kernel_handle.h"
#include "common/win/library.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/ipx/netware_api.h"

namespace nic::ipx {

struct Functions {
  netware::OpenSocket openSocket;
  netware::GetInternetAddress getInternetAddress;
  netware::CloseSocket closeSocket;
  netware::AllocControlBlock allocControlBlock;
  netware::BlockCall sendDatagram;
  netware::BlockCall receiveDatagram;
  netware::WaitForMultipleEvents waitForMultipleEvents;
  netware::BlockCall cancelPendingRequest;
  netware::BlockCall freeControlBlock;
  netware::CallsInit callsInit;
  netware::CreateContext createContext;
  netware::SetContext setContext;
  netware::GetContext getContext;
  netware::AllocBuf allocBuf;
  netware::List list;
  netware::GetObjectCount getObjectCount;
  netware::GetObjectName getObjectName;
  netware::FreeContext freeContext;
};

// One job: its data, what its thread needs besides, and the thread.
struct Job {
  JobData data;
  std::uint32_t socket;
  std::uint32_t eventGroup;  // kNoEventGroup until the first block is allocated
  std::uint32_t cancelWaitMs;
  std::atomic<bool> cancel;
  const Functions* functions;
  std::uint8_t buffers[kControlBlocks][kMaxDatagram];
  KernelHandle thread;
};

struct Module {
  bool started = false;
  MessageCalls messages{};
  MemoryCalls memory{};
  Library ipxLibrary;
  Library callsLibrary;
  Library directoryLibrary;
  Functions functions{};
  std::uint32_t socket = 0;
  std::uint8_t localNetwork[kNetworkSize] = {};
  char localNetworkText[9] = "00000000";
  Job* multi = nullptr;
  ResultList* results = nullptr;
  Job* single = nullptr;
};

Module& IpxModule();

}  // namespace nic::ipx
