#pragma once
// IPv4 addresses as the system writes them: dotted decimal. The NIC
// protocol, the monitors and the mail sender all read and write them so.

#include <array>
#include <cstddef>
#include <cstdint>

using Ipv4 = std::array<std::uint8_t, 4>;

inline constexpr std::size_t kIpTextSize = 16;  // "255.255.255.255" and its zero

// Accepts only the canonical dotted form: four decimal numbers 0..255 without
// leading zeros, so the text reads back identically ("10.0.0.01" and "10.1"
// are refused). Such a text is also safe to put on a command line.
bool ParseDottedIp(const char* text, Ipv4& ip);

// "%d.%d.%d.%d" into a buffer of at least kIpTextSize bytes.
void FormatIp(const Ipv4& ip, char* text);

// The four decimal numbers of a dotted text, read leniently: a run of digits
// per octet, '.' between, missing numbers 0. Reading once and comparing the
// numbers is what CompareIpText does.
using IpNumbers = std::array<long, 4>;
IpNumbers ReadIpNumbers(const char* text);

// Reads each text as four decimal numbers and compares octet by octet, first
// octet first; returns the first non-zero difference (0 when equal). Missing
// numbers read as 0.
int CompareIpText(const char* a, const char* b);
