#pragma once
// IPX addresses: the 40-byte record the IPX library takes, made from the
// folder's texts (a network number of up to 8 hex digits, a MAC text of up
// to 12 hex digits once its ':' are removed), and the texts made back from a
// datagram's source.

#include <cstddef>
#include <cstdint>

namespace nic::ipx {

inline constexpr std::uint8_t kNicSocket[2] = {0x21, 0x02};  // socket 0x2102, high byte first
inline constexpr std::size_t kNetworkSize = 4;
inline constexpr std::size_t kNodeSize = 6;
inline constexpr char kBroadcastMac[] = "FF:FF:FF:FF:FF:FF";

struct AddressRecord {
  std::uint32_t kind;           // 1
  std::uint32_t addressLength;  // 12
  std::uint8_t network[kNetworkSize];
  std::uint8_t node[kNodeSize];
  std::uint8_t socket[2];
  std::uint8_t rest[20];
};
static_assert(sizeof(AddressRecord) == 40);

// Digits are read from the right end and missing leading digits are '0', so
// "1A" is network 0000001A. Anything but hex digits (either case) or more
// digits than the field holds refuses the text: a mistyped address must not
// quietly become another NIC's.
bool ReadNetworkText(const char* text, std::uint8_t (&network)[kNetworkSize]);
// ':' are skipped wherever they stand.
bool ReadNodeText(const char* text, std::uint8_t (&node)[kNodeSize]);

// Both texts into a record for the NIC socket; false (record untouched) when
// either text is refused.
bool MakeAddressRecord(const char* networkText, const char* macText, AddressRecord& record);

// "%02X%02X%02X%02X": 8 digits and the zero.
void FormatNetworkText(const std::uint8_t (&network)[kNetworkSize], char (&text)[9]);
// "%02X:%02X:%02X:%02X:%02X:%02X": 17 characters and the zero.
void FormatNodeMac(const std::uint8_t (&node)[kNodeSize], char (&text)[18]);

// Network texts compared as numbers ("1A" equals "0000001a"); a refused text
// equals nothing.
bool SameNetworkText(const char* a, const char* b);

}  // namespace nic::ipx
