#pragma once
// The running simulator's control channel, for tests that change a NIC
// while a program talks to it: "set <mac> <key>=<value>..." to the control
// port on 127.0.0.1, true once the simulator answers "ok".

#include <cstdint>
#include <string>

namespace testkit {

bool ControlSimulator(std::uint16_t controlPort, const std::string& mac, const std::string& settings);

}  // namespace testkit
