#pragma once
// NetWare printers over IPX: the client libraries loaded once for the
// process, one search-or-poll job with its result list and one read-or-write
// job of a single NIC, each on a thread of its own. The folder starts and
// polls the jobs from its window thread; a job's block is touched by the
// folder only before its thread starts and after it has ended.

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>

#include "nicconf/exchange/message_sink.h"
#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/ipx/core/ipx_job.h"

namespace nic::ipx {

// Where the job blocks and result lists come from; a test hands one that
// fails. A block that cannot be had shows kMessageAllocationFailed (5103).
struct MemoryCalls {
  void* context;
  void* (*allocate)(void* context, std::size_t size);
  void (*release)(void* context, void* block);
};
MemoryCalls HeapMemory();

// Loads the three client libraries (all functions they must offer resolved),
// opens the IPX socket and reads the local network number. False leaves
// NetWare unavailable and the module as before. Messages go to `messages`.
bool StartIpx(const MessageCalls& messages, const MemoryCalls& memory = HeapMemory());
// Cancels the running jobs, waits for their threads, frees jobs and results,
// closes the socket and frees the libraries. Safe without StartIpx.
void StopIpx();
bool IpxAvailable();
// 8 upper-case hex digits, "00000000" when it could not be read.
const char* IpxLocalNetwork();

// Five broadcasts to `network` (null or "": the local network).
bool StartIpxSearch(std::uint32_t timeoutMs, const char* network);

struct Target {
  const char* network;
  const char* mac;
};
// One probe per target, at most kMaxPollTargets; no targets: no thread, true.
bool StartIpxPoll(std::uint32_t timeoutMs, const Target* targets, std::size_t count);
// True when no job exists or its thread has ended; then its results are
// collected and the job freed.
bool IsIpxPollFinished();
// Asks a running search or poll to end soon, without waiting for it; its
// results are then what arrived before.
void CancelIpxPoll();
// The collected records (none while a job runs or before one ended).
const ResultList* IpxResults();
// Copies the record of this network and MAC into `result`; when none, only
// the summary's four received/valid flags of `result` are cleared. True
// unless IPX is unavailable.
bool FindIpxResult(const char* network, const char* mac, Result& result);

// Single-NIC jobs: while one exists, starting another starts nothing and
// reports success.
bool StartIpxRead(std::uint32_t timeoutMs, const char* network, const char* mac);
struct WriteRequest {
  char network[32];
  char node[32];
  std::uint8_t datagram[kMaxDatagram];
  std::uint32_t length;
};
// One or two requests (a set request, then an extended set request).
bool StartIpxWrite(std::size_t count, const WriteRequest* requests, std::uint32_t timeoutMs);
bool IsIpxSingleFinished();
// Waits for the thread, fills `block`, frees the job. False when nothing
// answered as a read or write must.
bool CollectIpxSingle(TransactionBlock& block);
void WaitIpxSingle();

// Fills `tree` below `parent` with the directory's organisations and
// organisational units from `context` (null: the root). The images are the
// bitmaps 404 (root), 405 (item) and 406 (selected item) of `resources`.
bool FillContextTree(HINSTANCE resources, HWND tree, const char* context, HTREEITEM parent);

}  // namespace nic::ipx
