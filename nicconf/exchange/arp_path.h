#pragma once
// Reaching a NIC by its MAC when its address does not answer: a host route
// to the address through this host and a static ARP entry mapping it to the
// MAC, made with the system's route and arp commands and removed afterwards.

#include "nicconf/exchange/end_code.h"

namespace nic {

// Adds the route, then the ARP entry, marking each before it is made so
// that RemoveArpPath undoes whatever was started. The address, the MAC and
// this host's address must be plain dotted and six-pair texts, or no command
// runs at all (kCommandNotStarted): they go into command lines.
ExchangeStatus SetUpArpPath(const char* ip, const char* mac, bool& routeAdded, bool& arpAdded);

// Deletes what SetUpArpPath marked; the commands' results are not looked at.
void RemoveArpPath(const char* ip, bool& routeAdded, bool& arpAdded);

}  // namespace nic
