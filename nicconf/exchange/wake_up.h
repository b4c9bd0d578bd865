#pragma once
// Waking a sleeping printer: the wake-up packet sent three times by
// broadcast, to the sending socket's own port.

namespace nic {

inline constexpr const char* kLimitedBroadcast = "255.255.255.255";

// False when the MAC text is not six hex pairs, no socket could be opened, or
// the last of the three sends failed. `address` is the broadcast address
// (tests use a loopback address).
bool SendWakeUp(const char* macText, const char* address = kLimitedBroadcast);

}  // namespace nic
