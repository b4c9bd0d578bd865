#include "platform/socket_error.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <cerrno>
#endif

namespace platform {

#ifdef _WIN32
int LastSocketError() { return WSAGetLastError(); }
#else
int LastSocketError() {
  switch (errno) {
    case EAGAIN: return kWsaWouldBlock;
    case EINTR: return kWsaInterrupted;
    case EACCES: return kWsaAccessDenied;
    case EINVAL: return kWsaInvalidArgument;
    case EMSGSIZE: return kWsaMessageSize;
    case EPROTONOSUPPORT: return kWsaProtocolNotSupported;
    case EAFNOSUPPORT: return kWsaAddressFamilyNotSupported;
    case EADDRINUSE: return kWsaAddressInUse;
    case EADDRNOTAVAIL: return kWsaAddressNotAvailable;
    case ENETDOWN: return kWsaNetworkDown;
    case ENETUNREACH: return kWsaNetworkUnreachable;
    case ECONNRESET: return kWsaConnectionReset;
    case EPIPE:
    case ECONNABORTED: return kWsaConnectionAborted;
    case ESHUTDOWN: return kWsaShutdown;
    case EINPROGRESS: return kWsaInProgress;
    case ENOBUFS: return kWsaNoBufferSpace;
    case ENOTCONN: return kWsaNotConnected;
    case ETIMEDOUT: return kWsaTimedOut;
    case ECONNREFUSED: return kWsaConnectionRefused;
    case EHOSTUNREACH: return kWsaHostUnreachable;
    default: return 10000 + errno;
  }
}
#endif

}  // namespace platform
