#include "nicconf/ipx/ipx_jobs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "nicconf/exchange/message_sink.h"
#include "nicconf/ipx/ipx_module.h"

namespace nic::ipx {
namespace {

constexpr std::uint32_t kMultiCancelWaitMs = 100;
constexpr std::uint32_t kSingleCancelWaitMs = 200;

void* HeapAllocate(void*, std::size_t size) { return std::malloc(size); }
void HeapRelease(void*, void* block) { std::free(block); }

template <typename Function>
bool Resolve(const Library& library, const char* name, Function& out) {
  out = library.Find<Function>(name);
  return out != nullptr;
}

bool ResolveAll(Module& m) {
  Functions& f = m.functions;
  netware::Unused unused = nullptr;
  const Library& ipx = m.ipxLibrary;
  const Library& calls = m.callsLibrary;
  const Library& nds = m.directoryLibrary;
  return Resolve(ipx, "NWSipxOpenSocket", f.openSocket) &&
         Resolve(ipx, "NWSipxGetInternetAddress", f.getInternetAddress) &&
         Resolve(ipx, "NWSipxCloseSocket", f.closeSocket) &&
         Resolve(ipx, "NWSipxAllocControlBlock", f.allocControlBlock) &&
         Resolve(ipx, "NWSipxSendDatagram", f.sendDatagram) &&
         Resolve(ipx, "NWSipxReceiveDatagram", f.receiveDatagram) &&
         Resolve(ipx, "NWSipxWaitForMultipleEvents", f.waitForMultipleEvents) &&
         Resolve(ipx, "NWSipxCancelPendingRequest", f.cancelPendingRequest) &&
         Resolve(ipx, "NWSipxFreeControlBlock", f.freeControlBlock) &&
         Resolve(ipx, "NWSipxGetInformation", unused) &&
         Resolve(ipx, "NWSipxWaitForSingleEvent", unused) &&
         Resolve(calls, "NWCallsInit", f.callsInit) &&
         Resolve(calls, "NWGetFileServerInformation", unused) &&
         Resolve(calls, "NWGetFileServerDescription", unused) &&
         Resolve(calls, "NWScanObject", unused) && Resolve(calls, "NWGetInetAddr", unused) &&
         Resolve(nds, "NWDSCreateContext", f.createContext) &&
         Resolve(nds, "NWDSSetContext", f.setContext) &&
         Resolve(nds, "NWDSGetContext", f.getContext) &&
         Resolve(nds, "NWDSAllocBuf", f.allocBuf) && Resolve(nds, "NWDSList", f.list) &&
         Resolve(nds, "NWDSGetObjectCount", f.getObjectCount) &&
         Resolve(nds, "NWDSGetObjectName", f.getObjectName) &&
         Resolve(nds, "NWDSFreeContext", f.freeContext);
}

bool Failed(std::uint32_t status) { return (status & 0x80000000u) != 0; }

template <typename T>
T* Allocate(Module& m) {
  void* block = m.memory.allocate(m.memory.context, sizeof(T));
  if (block == nullptr) {
    m.messages.show(m.messages.context, MessageIcon::Error, kMessageErrorTitle,
                    kMessageAllocationFailed);
    return nullptr;
  }
  std::memset(block, 0, sizeof(T));
  return new (block) T;
}

template <typename T>
void Release(Module& m, T*& block) {
  if (block == nullptr) return;
  block->~T();
  m.memory.release(m.memory.context, block);
  block = nullptr;
}

void WaitForThread(Job* job) {
  if (job != nullptr && job->thread) WaitForSingleObject(job->thread.get(), INFINITE);
}

bool Ended(const Job* job) {
  return !job->thread || WaitForSingleObject(job->thread.get(), 0) == WAIT_OBJECT_0;
}

// The job's thread: receives posted first, so that an answer arriving while
// the requests go out finds one waiting; then the requests; then completions
// until a wait times out, what the job waits for has come, or it is
// cancelled; then every block still pending is cancelled and freed.
DWORD WINAPI RunJob(void* parameter) {
  Job& job = *static_cast<Job*>(parameter);
  const Functions& f = *job.functions;
  netware::ControlBlock* blocks[kControlBlocks] = {};
  for (auto& block : blocks) {
    if (Failed(f.allocControlBlock(netware::kDatagramBlock, &job.eventGroup, &block)) ||
        block == nullptr) {
      for (auto& allocated : blocks) {
        if (allocated != nullptr) f.freeControlBlock(allocated);
      }
      return 0;
    }
  }
  const std::size_t sends = SendCount(job.data);
  for (std::size_t i = sends; i < kControlBlocks; ++i) {
    netware::ControlBlock& b = *blocks[i];
    b.socket = job.socket;
    b.fragmentCount = 1;
    b.fragments[0] = {job.buffers[i], kMaxDatagram};
    if (Failed(f.receiveDatagram(&b))) {
      f.freeControlBlock(&b);
      blocks[i] = nullptr;
    }
  }
  std::size_t accepted = 0;
  for (std::size_t i = 0; i < sends; ++i) {
    netware::ControlBlock& b = *blocks[i];
    const std::span<const std::uint8_t> datagram = Datagram(job.data, i);
    std::memcpy(job.buffers[i], datagram.data(), datagram.size());
    b.socket = job.socket;
    b.fragmentCount = 1;
    b.fragments[0] = {job.buffers[i], static_cast<std::uint32_t>(datagram.size())};
    b.dataLength = static_cast<std::uint32_t>(datagram.size());
    b.destination = Destination(job.data, i);
    if (Failed(f.sendDatagram(&b))) {
      f.freeControlBlock(&b);
      blocks[i] = nullptr;
    } else {
      ++accepted;
    }
  }
  const auto indexOf = [&](netware::ControlBlock* block) -> std::size_t {
    for (std::size_t i = 0; i < kControlBlocks; ++i) {
      if (blocks[i] != nullptr && blocks[i] == block) return i;
    }
    return kControlBlocks;
  };
  for (std::size_t round = 0; accepted > 0 && round < kControlBlocks; ++round) {
    if (job.cancel.load()) break;
    netware::ControlBlock* done = nullptr;
    const std::uint32_t result = f.waitForMultipleEvents(job.eventGroup, job.data.timeoutMs, &done);
    if (result != netware::kWaitCompleted && result != netware::kWaitCancelled) break;
    const std::size_t i = indexOf(done);
    if (i == kControlBlocks) continue;
    if (i >= sends && result == netware::kWaitCompleted) {
      const std::uint32_t length = std::min<std::uint32_t>(done->receivedLength, kMaxDatagram);
      TakeDatagram(job.data, done->sourceNetwork, done->sourceNode, {job.buffers[i], length});
    }
    f.freeControlBlock(done);
    blocks[i] = nullptr;
    if (HasAllAnswers(job.data)) break;
  }
  for (std::size_t i = 0; i < kControlBlocks; ++i) {
    if (blocks[i] == nullptr) continue;
    f.cancelPendingRequest(blocks[i]);
    netware::ControlBlock* done = nullptr;
    const std::uint32_t result = f.waitForMultipleEvents(job.eventGroup, job.cancelWaitMs, &done);
    if (result == netware::kWaitCompleted || result == netware::kWaitCancelled) {
      const std::size_t j = indexOf(done);
      if (j != kControlBlocks) {
        f.freeControlBlock(done);
        blocks[j] = nullptr;
      }
    }
  }
  for (auto& block : blocks) {
    if (block != nullptr) f.freeControlBlock(block);
  }
  return 0;
}

bool StartThread(Job& job) {
  DWORD id = 0;
  job.thread = KernelHandle(CreateThread(nullptr, 0, RunJob, &job, 0, &id));
  return static_cast<bool>(job.thread);
}

Job* NewJob(Module& m, JobKind kind, std::uint32_t timeoutMs) {
  Job* job = Allocate<Job>(m);
  if (job == nullptr) return nullptr;
  job->data.kind = kind;
  job->data.timeoutMs = timeoutMs;
  job->socket = m.socket;
  job->eventGroup = netware::kNoEventGroup;
  job->cancelWaitMs = kind == JobKind::MultiTarget ? kMultiCancelWaitMs : kSingleCancelWaitMs;
  job->functions = &m.functions;
  return job;
}

// Waits for an earlier search or poll and frees it and its results.
void EndMulti(Module& m) {
  WaitForThread(m.multi);
  Release(m, m.multi);
  Release(m, m.results);
}

// The result list is allocated with the job, so that a job that could not
// keep its results never starts.
bool RunMulti(Module& m, Job* job) {
  m.results = Allocate<ResultList>(m);
  if (m.results == nullptr || !StartThread(*job)) {
    Release(m, m.results);
    Release(m, job);
    return false;
  }
  m.multi = job;
  return true;
}

bool RunSingle(Module& m, Job* job) {
  if (!StartThread(*job)) {
    Release(m, job);
    return false;
  }
  m.single = job;
  return true;
}

}  // namespace

Module& IpxModule() {
  static Module module;
  return module;
}

MemoryCalls HeapMemory() { return {nullptr, HeapAllocate, HeapRelease}; }

bool StartIpx(const MessageCalls& messages, const MemoryCalls& memory) {
  Module& m = IpxModule();
  if (m.started) return true;
  Library ipx(LoadLibraryA(netware::kIpxLibrary));
  Library calls(LoadLibraryA(netware::kCallsLibrary));
  Library nds(LoadLibraryA(netware::kDirectoryLibrary));
  if (!ipx || !calls || !nds) return false;
  m.ipxLibrary = std::move(ipx);
  m.callsLibrary = std::move(calls);
  m.directoryLibrary = std::move(nds);
  std::uint32_t socket = 0;
  if (!ResolveAll(m) ||
      Failed(m.functions.openSocket(0, 0xFFFFFFFFu, kNicSocket, &socket))) {
    m.functions = {};
    m.ipxLibrary = Library();
    m.callsLibrary = Library();
    m.directoryLibrary = Library();
    return false;
  }
  m.socket = socket;
  netware::InternetAddress own{};
  if (Failed(m.functions.getInternetAddress(socket, &own))) {
    std::memset(m.localNetwork, 0, sizeof m.localNetwork);
  } else {
    std::memcpy(m.localNetwork, own.network, sizeof m.localNetwork);
  }
  FormatNetworkText(m.localNetwork, m.localNetworkText);
  m.messages = messages;
  m.memory = memory;
  m.started = true;
  return true;
}

void StopIpx() {
  Module& m = IpxModule();
  if (!m.started) return;
  for (Job* job : {m.multi, m.single}) {
    if (job != nullptr) job->cancel.store(true);
  }
  EndMulti(m);
  WaitForThread(m.single);
  Release(m, m.single);
  m.functions.closeSocket(m.socket);
  m.functions = {};
  m.directoryLibrary = Library();
  m.callsLibrary = Library();
  m.ipxLibrary = Library();
  std::memcpy(m.localNetworkText, "00000000", sizeof m.localNetworkText);
  m.started = false;
}

bool IpxAvailable() { return IpxModule().started; }

const char* IpxLocalNetwork() { return IpxModule().localNetworkText; }

bool StartIpxSearch(std::uint32_t timeoutMs, const char* network) {
  Module& m = IpxModule();
  if (!m.started) return false;
  std::uint8_t target[kNetworkSize];
  if (network == nullptr || network[0] == '\0') {
    std::memcpy(target, m.localNetwork, sizeof target);
  } else if (!ReadNetworkText(network, target)) {
    return false;
  }
  EndMulti(m);
  Job* job = NewJob(m, JobKind::MultiTarget, timeoutMs);
  if (job == nullptr) return false;
  job->data.targetCount = kSearchTargets;
  for (std::size_t i = 0; i < kSearchTargets; ++i) {
    MakeAddressRecord("0", kBroadcastMac, job->data.targets[i]);
    std::memcpy(job->data.targets[i].network, target, sizeof target);
  }
  return RunMulti(m, job);
}

bool StartIpxPoll(std::uint32_t timeoutMs, const Target* targets, std::size_t count) {
  Module& m = IpxModule();
  if (!m.started || count > kMaxPollTargets || (count > 0 && targets == nullptr)) return false;
  auto records = std::make_unique<AddressRecord[]>(kMaxPollTargets);
  for (std::size_t i = 0; i < count; ++i) {
    if (!MakeAddressRecord(targets[i].network, targets[i].mac, records[i])) return false;
  }
  EndMulti(m);
  if (count == 0) return true;
  Job* job = NewJob(m, JobKind::MultiTarget, timeoutMs);
  if (job == nullptr) return false;
  job->data.targetCount = static_cast<std::uint32_t>(count);
  std::copy(records.get(), records.get() + count, job->data.targets);
  return RunMulti(m, job);
}

bool IsIpxPollFinished() {
  Module& m = IpxModule();
  if (m.multi == nullptr) return true;
  if (!Ended(m.multi)) return false;
  const JobData& data = m.multi->data;
  CollectMultiTarget({data.received, std::min<std::size_t>(data.receivedCount, kMaxTargets)},
                     *m.results);
  Release(m, m.multi);
  return true;
}

void CancelIpxPoll() {
  Module& m = IpxModule();
  if (m.multi != nullptr) m.multi->cancel.store(true);
}

const ResultList* IpxResults() {
  Module& m = IpxModule();
  return m.multi == nullptr ? m.results : nullptr;
}

bool FindIpxResult(const char* network, const char* mac, Result& result) {
  Module& m = IpxModule();
  if (!m.started) return false;
  const Result* found =
      m.results != nullptr && m.multi == nullptr ? FindResult(*m.results, network, mac) : nullptr;
  if (found != nullptr) {
    result = *found;
  } else {
    result.info.attrReceived = 0;
    result.info.statusReceived = 0;
    result.info.extStatusValid = 0;
    result.info.advInfoValid = 0;
  }
  return true;
}

bool StartIpxRead(std::uint32_t timeoutMs, const char* network, const char* mac) {
  Module& m = IpxModule();
  if (!m.started) return false;
  if (m.single != nullptr) return true;
  AddressRecord target{};
  if (!MakeAddressRecord(network, mac, target)) return false;
  Job* job = NewJob(m, JobKind::Read, timeoutMs);
  if (job == nullptr) return false;
  job->data.targetCount = kReadProbePairs;
  job->data.targets[0] = target;
  return RunSingle(m, job);
}

bool StartIpxWrite(std::size_t count, const WriteRequest* requests, std::uint32_t timeoutMs) {
  Module& m = IpxModule();
  if (!m.started) return false;
  if (m.single != nullptr) return true;
  if (count < 1 || count > kMaxWriteRequests || requests == nullptr) return false;
  AddressRecord targets[kMaxWriteRequests] = {};
  for (std::size_t i = 0; i < count; ++i) {
    const WriteRequest& r = requests[i];
    if (r.length == 0 || r.length > kMaxDatagram ||
        std::memchr(r.network, 0, sizeof r.network) == nullptr ||
        std::memchr(r.node, 0, sizeof r.node) == nullptr ||
        !MakeAddressRecord(r.network, r.node, targets[i])) {
      return false;
    }
  }
  Job* job = NewJob(m, JobKind::Write, timeoutMs);
  if (job == nullptr) return false;
  job->data.requestCount = static_cast<std::uint32_t>(count);
  for (std::size_t i = 0; i < count; ++i) {
    job->data.targets[i] = targets[i];
    std::memcpy(job->data.requests[i].data, requests[i].datagram, requests[i].length);
    job->data.requests[i].length = requests[i].length;
  }
  return RunSingle(m, job);
}

bool IsIpxSingleFinished() {
  Module& m = IpxModule();
  return m.single == nullptr || Ended(m.single);
}

bool CollectIpxSingle(TransactionBlock& block) {
  Module& m = IpxModule();
  if (m.single == nullptr) return false;
  WaitForThread(m.single);
  const JobData& data = m.single->data;
  const bool ok =
      CollectSingle({data.received, std::min<std::size_t>(data.receivedCount, kMaxTargets)}, block);
  Release(m, m.single);
  return ok;
}

void WaitIpxSingle() {
  Module& m = IpxModule();
  WaitForThread(m.single);
  Release(m, m.single);
}

}  // namespace nic::ipx
