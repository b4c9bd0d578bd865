#pragma once
// One event as a line of the simulator's log:
//   <kind> <nicIp> <peerIp>:<peerPort> <localPort> <hex bytes>
// and for print connections ("connect", "job") the job file and its size in
// place of the bytes, for a write a NIC took ("wrote") its MAC and what the
// write carried:
//   wrote 127.0.0.2 127.0.0.1:40000 8450 00:80:87:00:00:02 attr 7="NEWNAME" attr 10=50
//   wrote 127.0.0.2 127.0.0.1:40001 11299 00:80:87:00:00:02 item 4=64 item 82="a@b.example"
// (texts quoted, with '"', '\' and bytes outside ' '..'~' escaped, so the
// line stays one line).

#include <string>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

std::string FormatEventLine(const Event& event);

}  // namespace nicsim
