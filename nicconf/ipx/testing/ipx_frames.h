#pragma once
// NIC answers as they arrive over IPX, built field by field for the tests.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "nicconf/ipx/core/ipx_job.h"
#include "nicproto/attribute_frame.h"

namespace nic::ipx::test {

struct NicAnswer {
  const char* name = "PRN1";
  const char* ip = "192.168.1.20";
  const char* description = "NRV NIC";  // null: no description
  int activity = 3;                      // -1: no attribute 253
  int port = 1;                          // -1: no attribute 254
};

inline std::vector<std::uint8_t> ProbeReply(const NicAnswer& a) {
  AttributeRecord record;
  SetByteAttribute(record, 0, 0);
  SetTextAttribute(record, tag::kName, a.name);
  SetIpAttribute(record, tag::kIpAddress, a.ip);
  if (a.description != nullptr) SetTextAttribute(record, tag::kDescription, a.description);
  if (a.activity >= 0) SetByteAttribute(record, tag::kPrintActivity, static_cast<std::uint8_t>(a.activity));
  if (a.port >= 0) SetByteAttribute(record, tag::kPortStatus, static_cast<std::uint8_t>(a.port));
  const std::uint8_t version[5] = {'1', '.', '2', '3', 'X'};
  SetAttribute(record, tag::kFirmwareVersion, version, sizeof version);
  std::vector<std::uint8_t> out = {'h', 'b', 'm'};
  EncodeAttributes(record, out);
  return out;
}

inline std::vector<std::uint8_t> StatusDatagram(const std::string& text) {
  const std::size_t length = text.size() + 2;
  std::vector<std::uint8_t> out = {'n', 'r', 'v', static_cast<std::uint8_t>(length >> 8),
                                   static_cast<std::uint8_t>(length)};
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

inline std::string Hex8(unsigned v) {
  char s[3];
  std::snprintf(s, sizeof s, "%02X", v & 0xFF);
  return s;
}
inline std::string Hex16(unsigned v) { return Hex8(v) + Hex8(v >> 8); }
inline std::string Hex32(unsigned long v) { return Hex16(v & 0xFFFF) + Hex16(v >> 16); }

// EXTSTS with paper source 1, family byte 0x40 (family 2) and these source entries.
inline std::string ExtStatus(unsigned long alarms, std::vector<unsigned> installed) {
  std::string s = Hex32(alarms) + Hex16(0) + Hex32(0) + Hex8(1) + Hex8(0) + Hex8(0x40) +
                  Hex8(static_cast<unsigned>(installed.size()));
  for (unsigned i = 0; i < installed.size(); ++i) s += Hex8(i) + Hex8(installed[i]) + "0000";
  return "EXTSTS:" + s + ";";
}

// ADVINF with paper source 2, option byte 2 and these source entries, one
// installed unit.
inline std::string AdvInfo(unsigned long alarms, std::vector<unsigned> installed) {
  std::string s = Hex32(alarms) + Hex16(0) + Hex32(0);
  for (unsigned i = 12; i <= 24; ++i) s += Hex8(i == 12 ? 2 : i == 16 ? 2 : 0);
  s += Hex8(static_cast<unsigned>(installed.size()));
  for (unsigned i = 0; i < installed.size(); ++i) s += Hex8(i) + Hex8(installed[i]) + "0000";
  s += Hex8(1) + Hex8(1) + Hex8(2) + Hex8(0);
  return "ADVINF:" + s + ";";
}

inline ReceivedDatagram From(std::uint8_t network, std::uint8_t node,
                             const std::vector<std::uint8_t>& data) {
  ReceivedDatagram d{};
  d.network[3] = network;
  std::memset(d.node, 0, sizeof d.node);
  d.node[0] = 0x00;
  d.node[1] = 0x80;
  d.node[5] = node;
  d.length = static_cast<std::uint32_t>(data.size());
  std::memcpy(d.data, data.data(), data.size());
  return d;
}

}  // namespace nic::ipx::test
