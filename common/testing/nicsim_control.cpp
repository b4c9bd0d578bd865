#include "common/testing/nicsim_control.h"

#include "platform/udp_socket.h"

namespace testkit {

bool ControlSimulator(std::uint16_t controlPort, const std::string& mac, const std::string& settings) {
  platform::UdpSocket socket;
  if (socket.Open() != 0) return false;
  const std::string command = "set " + mac + " " + settings;
  if (socket.SendTo("127.0.0.1", controlPort,
                    {reinterpret_cast<const std::uint8_t*>(command.data()), command.size()}) != 0) {
    return false;
  }
  int error = 0;
  if (socket.WaitReadable(2000, error) != platform::WaitResult::Ready) return false;
  std::uint8_t reply[256];
  std::size_t length = 0;
  platform::ReceivedFrom from{};
  if (socket.ReceiveFrom(reply, length, from) != 0) return false;
  return std::string(reinterpret_cast<char*>(reply), length).rfind("ok", 0) == 0;
}

}  // namespace testkit
