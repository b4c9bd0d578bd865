#pragma once
// The process-wide network state of the exchanges: the socket library, the
// local host's address (used for route/ARP set-up) and the worker table.

#include <cstddef>

namespace nic {

// Starts the socket library and checks that TCP/IP is there (a test socket
// failing with an address- or protocol-family error means it is not). On
// success clears the local address and the worker table.
bool StartNetwork();

// Cancels and releases every exchange, then ends the socket library.
void StopNetwork();

void SetLocalAddress(const char* ip);
const char* LocalAddress();

}  // namespace nic
