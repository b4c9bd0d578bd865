#pragma once
// A NIC's station on the NetWare stand-in's loopback IPX: its IPX network and
// its MAC as the node, served by one UDP socket of its own at the port the
// stand-in computes for that station.

#include <cstdint>
#include <string>
#include <vector>

#include "outside/netware/loopback_ipx.h"
#include "tools/nicsim/nic_simulator.h"
#include "tools/shared/unique_fd.h"

namespace nicsim {

struct IpxSocket {
  tools::UniqueFd fd;
  std::uint16_t port = 0;
  std::string mac;  // of the NIC it serves
};

// Only for a NIC whose `ipxNetwork` is set (the settings parser checked it).
netware_standin::Station IpxStationOf(const SimNic& nic);

// "0000001A:008087000111", as the event log names an IPX station.
std::string IpxAddressText(const netware_standin::Station& station);

// One bound socket per NIC on IPX; false with a reason when a port is taken
// (two stations whose ports coincide included).
bool OpenIpxSockets(const std::vector<SimNic>& nics, std::uint16_t portBase,
                    std::vector<IpxSocket>& sockets, std::string* error);

}  // namespace nicsim
