#include "nicconf/exchange/network.h"

#include "common/bounded_text.h"
#include "nicconf/exchange/worker_table.h"
#include <optional>

#include "platform/socket_error.h"
#include "platform/socket_library.h"
#include "platform/udp_socket.h"

namespace nic {
namespace {

char localAddress[18];
std::optional<platform::SocketLibrary> sockets;
NetworkSeams seams;

// 10041 to 10047: the protocol or address family is not supported.
bool TcpIpMissing(int error) { return error >= 10041 && error <= 10047; }

}  // namespace

bool StartNetwork(const NetworkSeams& given) {
  sockets.emplace();
  platform::UdpSocket probe;
  if (!sockets->started() || TcpIpMissing(probe.Open())) {
    sockets.reset();
    return false;
  }
  probe.Close();
  seams = given;
  localAddress[0] = '\0';
  ClearWorkerTable();
  return true;
}

void StopNetwork() {
  ClearWorkerTable();
  sockets.reset();
}

const NetworkSeams& Seams() { return seams; }

void ShowMessage(MessageIcon icon, int titleId, int textId) {
  seams.messages.show(seams.messages.context, icon, titleId, textId);
}

void SetLocalAddress(const char* ip) { CopyBoundedText(localAddress, ip); }
const char* LocalAddress() { return localAddress; }

}  // namespace nic
