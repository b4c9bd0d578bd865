// NWSIPX32.DLL stand-in: IPX datagram sockets carried over UDP on loopback
// (loopback_ipx.h). Sends complete at once. Arrived datagrams are handed to
// posted receives while a caller waits for completions, so the library runs
// no thread of its own and can be freed at any time; one found with no
// receive posted is dropped, as on a real segment. Completions are reported
// through the block's event group.
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "nicconf/ipx/netware_api.h"
#include "outside/netware/loopback_ipx.h"

namespace {

namespace nw = nic::ipx::netware;
using netware_standin::Segment;
using netware_standin::Station;

constexpr std::uint32_t kError = 0x80000001;

struct Block {
  nw::ControlBlock visible;  // first: the caller sees only this
  std::uint32_t group;
  bool pendingReceive;
  std::uint32_t socket;
};

struct Completion {
  Block* block;
  std::uint32_t result;
};

struct Group {
  std::deque<Completion> done;
};

struct Socket {
  SOCKET udp = INVALID_SOCKET;
  Station own{};
  std::uint8_t number[2] = {};
  std::deque<Block*> receives;
};

std::mutex lock;
Segment segment;
std::map<std::uint32_t, std::unique_ptr<Group>> groups;
std::map<std::uint32_t, std::unique_ptr<Socket>> sockets;
std::uint32_t nextHandle = 1;

void Complete(Block* block, std::uint32_t result) {
  auto group = groups.find(block->group);
  if (group == groups.end()) return;
  group->second->done.push_back({block, result});
}

// Hands every datagram waiting at the sockets to the oldest receive posted
// on its socket. Called with the lock held.
void Deliver() {
  std::uint8_t buffer[netware_standin::kEnvelopeSize + 2048];
  for (auto& entry : sockets) {
    Socket* socket = entry.second.get();
    for (;;) {
      const int length = recvfrom(socket->udp, reinterpret_cast<char*>(buffer), sizeof buffer, 0,
                                  nullptr, nullptr);
      if (length < 0) break;  // nothing more (the socket does not block)
      Station source{};
      std::uint8_t sourceSocket[2];
      std::span<const std::uint8_t> data;
      if (!netware_standin::Unwrap({buffer, static_cast<std::size_t>(length)}, source,
                                   sourceSocket, data) ||
          socket->receives.empty()) {
        continue;
      }
      Block* block = socket->receives.front();
      socket->receives.pop_front();
      block->pendingReceive = false;
      nw::Fragment& fragment = block->visible.fragments[0];
      const std::size_t kept = std::min<std::size_t>(data.size(), fragment.length);
      if (kept > 0) std::memcpy(fragment.buffer, data.data(), kept);
      block->visible.receivedLength = static_cast<std::uint32_t>(kept);
      std::memcpy(block->visible.sourceNetwork, source.network, 4);
      std::memcpy(block->visible.sourceNode, source.node, 6);
      Complete(block, nw::kWaitCompleted);
    }
  }
}

// Waits up to `ms` for a datagram at any socket. Called without the lock.
void AwaitDatagram(std::uint32_t ms) {
  fd_set readable;
  FD_ZERO(&readable);
  {
    std::lock_guard<std::mutex> hold(lock);
    for (auto& entry : sockets) {
      if (readable.fd_count < FD_SETSIZE) FD_SET(entry.second->udp, &readable);
    }
  }
  if (readable.fd_count == 0) {
    Sleep(ms);
    return;
  }
  timeval wait{0, static_cast<long>(ms) * 1000};
  select(0, &readable, nullptr, nullptr, &wait);
}

sockaddr_in AddressOf(const Station& station) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(netware_standin::StationPort(segment, station));
  address.sin_addr.s_addr = inet_addr(netware_standin::StationIp(station).c_str());
  return address;
}

void ForgetReceive(Block* block) {
  auto socket = sockets.find(block->socket);
  if (socket != sockets.end()) {
    auto& receives = socket->second->receives;
    receives.erase(std::remove(receives.begin(), receives.end(), block), receives.end());
  }
  block->pendingReceive = false;
}

// The variable as the process holds it now (the C library's copy is taken
// at start-up and misses later changes).
std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? value : "";
}

}  // namespace

extern "C" {

std::uint32_t NW_CALL NWSipxOpenSocket(std::uint32_t, std::uint32_t, const std::uint8_t* number,
                                       std::uint32_t* handle) {
  if (number == nullptr || handle == nullptr) return kError;
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return kError;
  Segment read;
  if (!netware_standin::ReadSegmentFile(Environment("NWIPX_SEGMENT").c_str(), read) || !read.hasLocal) {
    WSACleanup();
    return kError;
  }
  auto socket = std::make_unique<Socket>();
  socket->own = read.local;
  socket->number[0] = number[0];
  socket->number[1] = number[1];
  socket->udp = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  std::lock_guard<std::mutex> hold(lock);
  segment = read;
  const sockaddr_in own = AddressOf(socket->own);
  if (socket->udp == INVALID_SOCKET ||
      bind(socket->udp, reinterpret_cast<const sockaddr*>(&own), sizeof own) != 0) {
    if (socket->udp != INVALID_SOCKET) closesocket(socket->udp);
    WSACleanup();
    return kError;
  }
  u_long nonBlocking = 1;
  ioctlsocket(socket->udp, FIONBIO, &nonBlocking);
  *handle = nextHandle++;
  sockets[*handle] = std::move(socket);
  return 0;
}

std::uint32_t NW_CALL NWSipxGetInternetAddress(std::uint32_t handle, nw::InternetAddress* address) {
  std::lock_guard<std::mutex> hold(lock);
  auto socket = sockets.find(handle);
  if (socket == sockets.end() || address == nullptr) return kError;
  std::memcpy(address->network, socket->second->own.network, 4);
  std::memcpy(address->node, socket->second->own.node, 6);
  std::memcpy(address->socket, socket->second->number, 2);
  return 0;
}

std::uint32_t NW_CALL NWSipxCloseSocket(std::uint32_t handle) {
  std::unique_ptr<Socket> socket;
  {
    std::lock_guard<std::mutex> hold(lock);
    auto found = sockets.find(handle);
    if (found == sockets.end()) return kError;
    socket = std::move(found->second);
    sockets.erase(found);
    for (Block* block : socket->receives) block->pendingReceive = false;
  }
  closesocket(socket->udp);
  WSACleanup();
  return 0;
}

std::uint32_t NW_CALL NWSipxAllocControlBlock(std::uint32_t, std::uint32_t* group,
                                              nw::ControlBlock** out) {
  if (group == nullptr || out == nullptr) return kError;
  std::lock_guard<std::mutex> hold(lock);
  if (*group == nw::kNoEventGroup || groups.find(*group) == groups.end()) {
    *group = nextHandle++;
    groups[*group] = std::make_unique<Group>();
  }
  Block* block = new (std::nothrow) Block{};
  if (block == nullptr) return kError;
  block->group = *group;
  *out = &block->visible;
  return 0;
}

std::uint32_t NW_CALL NWSipxSendDatagram(nw::ControlBlock* visible) {
  Block* block = reinterpret_cast<Block*>(visible);
  std::lock_guard<std::mutex> hold(lock);
  auto socket = sockets.find(visible->socket);
  if (socket == sockets.end() || visible->fragmentCount != 1) return kError;
  Socket& from = *socket->second;
  const std::uint32_t length = std::min(visible->dataLength, visible->fragments[0].length);
  const auto envelope = netware_standin::Wrap(
      from.own, from.number,
      {static_cast<const std::uint8_t*>(visible->fragments[0].buffer), length});
  Station to{};
  std::memcpy(to.network, visible->destination.network, 4);
  std::memcpy(to.node, visible->destination.node, 6);
  if (std::memcmp(to.network, "\0\0\0\0", 4) == 0) std::memcpy(to.network, from.own.network, 4);
  std::vector<Station> targets;
  if (netware_standin::IsBroadcast(to.node)) {
    for (const Station& s : segment.stations) {
      if (std::memcmp(s.network, to.network, 4) == 0 && !netware_standin::SameStation(s, from.own)) {
        targets.push_back(s);
      }
    }
  } else {
    targets.push_back(to);
  }
  for (const Station& target : targets) {
    const sockaddr_in address = AddressOf(target);
    if (sendto(from.udp, reinterpret_cast<const char*>(envelope.data()),
               static_cast<int>(envelope.size()), 0, reinterpret_cast<const sockaddr*>(&address),
               sizeof address) < 0) {
      return kError;
    }
  }
  block->socket = visible->socket;
  Complete(block, nw::kWaitCompleted);
  return 0;
}

std::uint32_t NW_CALL NWSipxReceiveDatagram(nw::ControlBlock* visible) {
  Block* block = reinterpret_cast<Block*>(visible);
  std::lock_guard<std::mutex> hold(lock);
  auto socket = sockets.find(visible->socket);
  if (socket == sockets.end() || visible->fragmentCount != 1) return kError;
  block->socket = visible->socket;
  block->pendingReceive = true;
  socket->second->receives.push_back(block);
  return 0;
}

std::uint32_t NW_CALL NWSipxWaitForMultipleEvents(std::uint32_t handle, std::uint32_t timeoutMs,
                                                  nw::ControlBlock** out) {
  if (out == nullptr) return kError;
  const DWORD start = GetTickCount();
  for (;;) {
    {
      std::lock_guard<std::mutex> hold(lock);
      auto found = groups.find(handle);
      if (found == groups.end()) return kError;
      Deliver();
      Group& group = *found->second;
      if (!group.done.empty()) {
        const Completion completion = group.done.front();
        group.done.pop_front();
        *out = &completion.block->visible;
        return completion.result;
      }
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return nw::kWaitTimedOut;
    AwaitDatagram(std::min<std::uint32_t>(timeoutMs - elapsed, 10));
  }
}

std::uint32_t NW_CALL NWSipxCancelPendingRequest(nw::ControlBlock* visible) {
  Block* block = reinterpret_cast<Block*>(visible);
  std::lock_guard<std::mutex> hold(lock);
  if (!block->pendingReceive) return kError;
  ForgetReceive(block);
  Complete(block, nw::kWaitCancelled);
  return 0;
}

std::uint32_t NW_CALL NWSipxFreeControlBlock(nw::ControlBlock* visible) {
  Block* block = reinterpret_cast<Block*>(visible);
  std::lock_guard<std::mutex> hold(lock);
  ForgetReceive(block);
  auto group = groups.find(block->group);
  if (group != groups.end()) {
    auto& done = group->second->done;
    done.erase(std::remove_if(done.begin(), done.end(),
                              [&](const Completion& c) { return c.block == block; }),
               done.end());
  }
  delete block;
  return 0;
}

std::uint32_t NW_CALL NWSipxGetInformation() { return kError; }
std::uint32_t NW_CALL NWSipxWaitForSingleEvent() { return kError; }

}  // extern "C"
