#pragma once
// What UDP and TCP sockets share: the handle, closing it, blocking mode and
// waiting for it to become readable or writable.

#include <cstdint>

namespace platform {

enum class WaitResult { Ready, TimedOut, Failed };

namespace detail {

using Handle = std::intptr_t;
inline constexpr Handle kNoHandle = -1;

int CloseSocket(Handle handle);
int SetBlocking(Handle handle, bool blocking);
WaitResult Wait(Handle handle, bool forWriting, std::uint32_t milliseconds, int& error);

}  // namespace detail
}  // namespace platform
