#pragma once
// IPv4 and MAC addresses as the system writes them: dotted decimal, and six
// upper-case hex pairs with colons ("0A:5E:91:69:00:00", 17 characters).

#include <array>
#include <cstddef>
#include <cstdint>

namespace nic {

using Ipv4 = std::array<std::uint8_t, 4>;
using Mac = std::array<std::uint8_t, 6>;

inline constexpr std::size_t kIpTextSize = 16;   // "255.255.255.255" and its zero
inline constexpr std::size_t kMacTextSize = 18;  // 17 characters and the zero

// Accepts only the canonical dotted form: four decimal numbers 0..255 without
// leading zeros, so the text reads back identically ("10.0.0.01" and "10.1"
// are refused). Such a text is also safe to put on a command line.
bool ParseDottedIp(const char* text, Ipv4& ip);

// "%d.%d.%d.%d" into a buffer of at least kIpTextSize bytes.
void FormatIp(const Ipv4& ip, char* text);

// Six pairs of one or two hex digits separated by ':' and nothing after
// ("0:1:2:3:4:5" is read, "000:11:22:33:44:55" is not).
bool ParseMacText(const char* text, Mac& mac);

// "%02X:%02X:%02X:%02X:%02X:%02X" into a buffer of at least kMacTextSize bytes.
void FormatMacText(const Mac& mac, char* text);

// The four decimal numbers of a dotted text, read leniently: a run of digits
// per octet, '.' between, missing numbers 0. Reading once and comparing the
// numbers is what CompareIpText does.
using IpNumbers = std::array<long, 4>;
IpNumbers ReadIpNumbers(const char* text);

// Reads each text as four decimal numbers and compares octet by octet, first
// octet first; returns the first non-zero difference (0 when equal). Missing
// numbers read as 0.
int CompareIpText(const char* a, const char* b);

// Equal (0) only when both are 17 characters and their twelve hex digits match
// case-insensitively; separators are not compared. Texts of different length
// give the difference of their lengths.
int CompareMacText(const char* a, const char* b);

}  // namespace nic
