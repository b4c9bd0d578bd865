#include "outside/netware/loopback_ipx.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "nicconf/ipx/core/ipx_address.h"

namespace netware_standin {

Segment ReadSegment(const std::string& text) {
  Segment segment;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string key, network, node;
    words >> key >> network >> node;
    Station station{};
    if (key == "port") {
      const unsigned long base = std::strtoul(network.c_str(), nullptr, 10);
      if (base > 0 && base < 60000) segment.portBase = static_cast<std::uint16_t>(base);
      continue;
    }
    if (key != "local" && key != "station") continue;
    if (!nic::ipx::ReadNetworkText(network.c_str(), station.network) ||
        !nic::ipx::ReadNodeText(node.c_str(), station.node)) {
      continue;
    }
    if (key == "local") {
      segment.hasLocal = true;
      segment.local = station;
    } else {
      segment.stations.push_back(station);
    }
  }
  return segment;
}

bool ReadSegmentFile(const char* path, Segment& segment) {
  if (path == nullptr) return false;
  std::ifstream file(path);
  if (!file) return false;
  std::stringstream text;
  text << file.rdbuf();
  segment = ReadSegment(text.str());
  return true;
}

std::string StationIp(const Station&) { return "127.0.0.1"; }

std::uint16_t StationPort(const Segment& segment, const Station& station) {
  return static_cast<std::uint16_t>(segment.portBase +
                                    ((station.network[3] * 256 + station.node[5]) % 16384));
}

bool IsBroadcast(const std::uint8_t (&node)[6]) {
  for (std::uint8_t b : node) {
    if (b != 0xFF) return false;
  }
  return true;
}

bool SameStation(const Station& a, const Station& b) {
  return std::memcmp(a.network, b.network, 4) == 0 && std::memcmp(a.node, b.node, 6) == 0;
}

std::vector<std::uint8_t> Wrap(const Station& source, const std::uint8_t (&socket)[2],
                               std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out(kEnvelopeSize + data.size());
  std::memcpy(out.data(), source.network, 4);
  std::memcpy(out.data() + 4, source.node, 6);
  std::memcpy(out.data() + 10, socket, 2);
  if (!data.empty()) std::memcpy(out.data() + kEnvelopeSize, data.data(), data.size());
  return out;
}

bool Unwrap(std::span<const std::uint8_t> datagram, Station& source, std::uint8_t (&socket)[2],
            std::span<const std::uint8_t>& data) {
  if (datagram.size() < kEnvelopeSize) return false;
  std::memcpy(source.network, datagram.data(), 4);
  std::memcpy(source.node, datagram.data() + 4, 6);
  std::memcpy(socket, datagram.data() + 10, 2);
  data = datagram.subspan(kEnvelopeSize);
  return true;
}

}  // namespace netware_standin
