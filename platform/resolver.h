#pragma once
// Host names to IPv4 addresses through the system's resolver. On Windows the
// caller has started the socket library.

#include <cstdint>

namespace platform {

// The first IPv4 address the resolver gives for `name` (a host name or a
// dotted address), in network byte order. False when there is none.
bool ResolveIpv4(const char* name, std::uint32_t& address);

}  // namespace platform
