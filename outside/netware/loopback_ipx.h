#pragma once
// How the stand-in IPX library carries IPX over UDP on loopback, shared by the
// library and the simulated NICs that answer through it:
//
// - Every station listens on 127.0.0.1 (Wine binds only addresses it knows
//   as its own), at UDP port base + 256 x the last byte of its network + the
//   last byte of its node, modulo 16384 (base 28000 unless the segment file
//   says). A station has one IPX socket.
// - Each datagram is an envelope: the source network (4 bytes), node (6) and
//   socket (2), then the IPX data.
// - The broadcast node reaches every station of that network the segment file
//   lists; network 0 is the sender's own.
//
// The segment file (path in the environment variable NWIPX_SEGMENT) has one
// entry a line, network and node in hex:
//
//   local 0000001A 00001B000001     this machine's address
//   station 0000001A 008087000011   a NIC on the segment
//   port 28000                      the port base
//   # comments and empty lines are skipped

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace netware_standin {

inline constexpr std::size_t kEnvelopeSize = 12;
inline constexpr std::uint16_t kDefaultPortBase = 28000;

struct Station {
  std::uint8_t network[4];
  std::uint8_t node[6];
};

struct Segment {
  bool hasLocal = false;
  Station local{};
  std::vector<Station> stations;
  std::uint16_t portBase = kDefaultPortBase;
};

// Unknown or malformed lines are skipped.
Segment ReadSegment(const std::string& text);
bool ReadSegmentFile(const char* path, Segment& segment);

// The UDP address of a station's socket.
std::string StationIp(const Station& station);
std::uint16_t StationPort(const Segment& segment, const Station& station);

bool IsBroadcast(const std::uint8_t (&node)[6]);
bool SameStation(const Station& a, const Station& b);

std::vector<std::uint8_t> Wrap(const Station& source, const std::uint8_t (&socket)[2],
                               std::span<const std::uint8_t> data);
// False for a datagram shorter than the envelope.
bool Unwrap(std::span<const std::uint8_t> datagram, Station& source, std::uint8_t (&socket)[2],
            std::span<const std::uint8_t>& data);

}  // namespace netware_standin
