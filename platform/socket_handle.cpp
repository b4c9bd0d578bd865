#include "platform/socket_handle.h"

#include "platform/socket_error.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace platform::detail {

#ifdef _WIN32

int CloseSocket(Handle handle) { return closesocket(static_cast<SOCKET>(handle)); }

int SetBlocking(Handle handle, bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  return ioctlsocket(static_cast<SOCKET>(handle), FIONBIO, &nonBlocking) == 0 ? 0
                                                                               : LastSocketError();
}

WaitResult Wait(Handle handle, bool forWriting, std::uint32_t milliseconds, int& error) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(static_cast<SOCKET>(handle), &set);
  timeval timeout{static_cast<long>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000};
  const int n =
      select(0, forWriting ? nullptr : &set, forWriting ? &set : nullptr, nullptr, &timeout);
  if (n < 0) {
    error = LastSocketError();
    return WaitResult::Failed;
  }
  error = 0;
  return n == 0 ? WaitResult::TimedOut : WaitResult::Ready;
}

#else

int CloseSocket(Handle handle) { return close(static_cast<int>(handle)); }

int SetBlocking(Handle handle, bool blocking) {
  const int fd = static_cast<int>(handle);
  const int flags = fcntl(fd, F_GETFL, 0);
  const int wanted = blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK;
  return fcntl(fd, F_SETFL, wanted) == 0 ? 0 : LastSocketError();
}

WaitResult Wait(Handle handle, bool forWriting, std::uint32_t milliseconds, int& error) {
  pollfd fd{static_cast<int>(handle), static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
  const int n = poll(&fd, 1, static_cast<int>(milliseconds));
  if (n < 0) {
    error = LastSocketError();
    return WaitResult::Failed;
  }
  error = 0;
  return n == 0 ? WaitResult::TimedOut : WaitResult::Ready;
}

#endif

}  // namespace platform::detail
