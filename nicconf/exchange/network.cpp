#include "nicconf/exchange/network.h"

#include "common/bounded_text.h"
#include "nicconf/exchange/worker_table.h"
#include "platform/socket_error.h"
#include "platform/udp_socket.h"

namespace nic {
namespace {

char localAddress[18];

// 10041 to 10047: the protocol or address family is not supported.
bool TcpIpMissing(int error) { return error >= 10041 && error <= 10047; }

}  // namespace

bool StartNetwork() {
  if (!platform::StartSockets()) return false;
  platform::UdpSocket probe;
  if (TcpIpMissing(probe.Open())) {
    platform::StopSockets();
    return false;
  }
  probe.Close();
  localAddress[0] = '\0';
  ClearWorkerTable();
  return true;
}

void StopNetwork() {
  ClearWorkerTable();
  platform::StopSockets();
}

void SetLocalAddress(const char* ip) { CopyBoundedText(localAddress, ip); }
const char* LocalAddress() { return localAddress; }

}  // namespace nic
