#include "tools/nicsim/ipx_station.h"

#include <cstdio>
#include <cstdlib>

#include "nicproto/mac_text.h"
#include "tools/shared/loopback_socket.h"

namespace nicsim {

netware_standin::Station IpxStationOf(const SimNic& nic) {
  netware_standin::Station station{};
  const unsigned long network = std::strtoul(nic.ipxNetwork.c_str(), nullptr, 16);
  for (int i = 0; i < 4; ++i) station.network[i] = static_cast<std::uint8_t>(network >> (24 - 8 * i));
  nic::Mac mac{};
  nic::ParseMacText(nic.mac.c_str(), mac);
  for (int i = 0; i < 6; ++i) station.node[i] = mac[i];
  return station;
}

std::string IpxAddressText(const netware_standin::Station& station) {
  char text[22];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X:%02X%02X%02X%02X%02X%02X",
                station.network[0], station.network[1], station.network[2], station.network[3],
                station.node[0], station.node[1], station.node[2], station.node[3],
                station.node[4], station.node[5]);
  return text;
}

bool OpenIpxSockets(const std::vector<SimNic>& nics, std::uint16_t portBase,
                    std::vector<IpxSocket>& sockets, std::string* error) {
  netware_standin::Segment segment;
  segment.portBase = portBase;
  std::vector<IpxSocket> opened;
  for (const SimNic& nic : nics) {
    if (nic.ipxNetwork.empty()) continue;
    const netware_standin::Station station = IpxStationOf(nic);
    IpxSocket socket;
    socket.port = netware_standin::StationPort(segment, station);
    socket.mac = nic.mac;
    std::string reason;
    socket.fd = tools::OpenUdpSocket(netware_standin::StationIp(station), socket.port, &reason);
    if (!socket.fd) {
      if (error != nullptr) *error = "IPX station " + IpxAddressText(station) + ": " + reason;
      return false;
    }
    opened.push_back(std::move(socket));
  }
  sockets = std::move(opened);
  return true;
}

}  // namespace nicsim
