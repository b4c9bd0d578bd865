#pragma once
// The process-wide network state of the exchanges: the socket library, what
// the exchanges ask of their surroundings, the local host's address (used
// for route/ARP set-up) and the worker table. The folder starts it when it
// is loaded, a command line when it starts, a test per test.

#include <cstddef>

#include "nicconf/exchange/message_sink.h"
#include "nicconf/exchange/system_commands.h"

namespace nic {

struct NetworkSeams {
  MessageCalls messages = ErrorOutputMessages();
  SystemCommandCalls commands = OperatingSystemCommands();
  ArpPathSettings arpPath;
};

// Starts the socket library and checks that TCP/IP is there (a test socket
// failing with an address- or protocol-family error means it is not). On
// success keeps the seams, clears the local address and the worker table.
bool StartNetwork(const NetworkSeams& seams = {});

// Cancels and releases every exchange, then ends the socket library.
void StopNetwork();

// The seams given at the start, for the exchanges' own code.
const NetworkSeams& Seams();
void ShowMessage(MessageIcon icon, int titleId, int textId);

void SetLocalAddress(const char* ip);
const char* LocalAddress();

}  // namespace nic
