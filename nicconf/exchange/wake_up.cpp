#include "nicconf/exchange/wake_up.h"

#include "nicproto/wake_up_packet.h"
#include "platform/socket_error.h"
#include "platform/udp_socket.h"

namespace nic {
namespace {

constexpr int kRounds = 3;
constexpr int kAttempts = 11;
constexpr std::uint32_t kWritableWaitMs = 10;

// Up to 11 tries; stops at the first send that succeeds or fails for a
// reason other than would-block.
bool SendOnce(platform::UdpSocket& socket, const char* address, std::uint16_t port,
              const WakeUpPacket& packet) {
  int error = 0;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (socket.WaitWritable(kWritableWaitMs, error) != platform::WaitResult::Ready) continue;
    error = socket.SendTo(address, port, packet);
    if (error != platform::kWsaWouldBlock) return error == 0;
  }
  return false;
}

}  // namespace

bool SendWakeUp(const char* macText, const char* address) {
  WakeUpPacket packet{};
  if (!BuildWakeUpPacket(macText, packet)) return false;
  platform::UdpSocket socket;
  std::uint16_t port = 0;
  if (socket.Open() != 0 || socket.LocalPort(port) != 0 || socket.SetBroadcast(true) != 0) {
    return false;
  }
  bool sent = false;
  for (int round = 0; round < kRounds; ++round) sent = SendOnce(socket, address, port, packet);
  return sent;
}

}  // namespace nic
