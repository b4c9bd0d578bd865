#pragma once
// The monitor's own exchanges with a port's NIC: the status query before a
// job (three probes one second apart), numbered commands, the wake-up packet
// and the notice of a cancelled job. Each uses a UDP socket connected to the
// NIC, so only the NIC's datagrams arrive; the reply-port prefix is that
// socket's own port. Each call uses the caller's buffer: exchanges of
// different ports may run at the same time.

#include <cstddef>
#include <cstdint>
#include <span>

#include "portmon/core/net_port.h"

namespace portmon {

inline constexpr std::size_t kReplyBufferSize = 2048;

struct StatusReply {
  std::size_t hbmLength = 0;    // the hbm reply at the buffer's start
  std::size_t totalLength = 0;  // and the nrv datagram after it, if it came
};

// Sends the 7-byte probe to port 8450 of the port's NIC (stored address, or
// the name resolved) and collects the hbm reply, then the nrv datagram, into
// `buffer`; datagrams with other beginnings are skipped. Up to three probes,
// 1000 ms apart; after the third a 500 ms pause. True when the NIC answered
// (the hbm reply arrived, with or without the nrv datagram; a failed
// receive counts as an answer too). Datagrams longer than the space left are
// cut to it. PF_STATUS_QUERY is set on the port while the exchange waits for
// replies.
bool QueryNicStatus(NetPort& port, std::span<std::uint8_t> buffer, StatusReply& reply);

// The same against a plain address (the configuration dialog's search),
// waiting for the hbm reply only. `address` is in network byte order.
bool QueryNicAttributes(std::uint32_t address, std::span<std::uint8_t> buffer,
                        std::size_t& hbmLength);

// Sends an NCM request (8-byte header with the payload length, then the
// payload) to port 11299 and waits 1000 ms per send for the first NAK reply
// to this command, re-sending up to `sends` times in all (at least once).
// The reply goes to `reply` (may be empty: then it is received and dropped);
// a NAK longer than `reply` is cut to it. After silence a 500 ms pause.
// PF_COMMAND_QUERY is set while waiting.
bool SendNicCommand(NetPort& port, std::uint8_t command, std::span<const std::uint8_t> payload,
                    std::span<std::uint8_t> reply, std::size_t& replyLength, int sends);

// Three wake-up packets to port 11299: to `broadcast` (network byte order)
// when it is not 0, else to the NIC's address. `mac` is the six bytes to
// wake.
bool WakePrinter(const NetPort& port, const std::uint8_t (&mac)[6], std::uint32_t broadcast);

// The notice that the job on the print connection whose local TCP port is
// `printLinkPort` was cancelled; not answered. Pauses 1000 ms after sending.
bool SendExnNotice(const NetPort& port, std::uint16_t printLinkPort);

}  // namespace portmon
