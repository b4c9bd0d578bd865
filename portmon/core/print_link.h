#pragma once
// The print connection of a port: TCP port 9100 of its printer.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/tcp_socket.h"
#include "portmon/core/job_transmission.h"
#include "portmon/core/net_port.h"

namespace portmon {

// Connects when not connected yet and marks the port; false when the
// printer cannot be resolved or reached (a fresh socket waits for the next
// try).
bool EnsureConnected(const JobContext& context, NetPort& port);
bool ConnectOnce(const JobContext& context, NetPort& port, std::uint32_t address);

void SetFlags(const JobContext& context, NetPort& port, std::uint32_t set, std::uint32_t clear);

enum class SendEnd { Complete, TimedOut, Reset, Failed };

// Sends on the caller's thread within `limitMs`; `sent` is exactly what went
// out, so a write that ran out of time reports a count the spooler can trust.
SendEnd SendWithin(platform::TcpSocket& socket, std::span<const std::uint8_t> data,
                   std::uint32_t limitMs, std::size_t& sent, int& error);

// Reads and drops what the printer sends until it closes the connection, a
// receive fails, or `limitMs` passes.
void Drain(platform::TcpSocket& socket, std::uint32_t limitMs);

}  // namespace portmon
