#include "platform/socket_library.h"

#ifdef _WIN32
#include "common/win/winsock_session.h"
#endif

namespace platform {

#ifdef _WIN32

struct SocketLibrary::Session {
  WinsockSession winsock{MAKEWORD(1, 1)};
};

SocketLibrary::SocketLibrary() : session_(std::make_unique<Session>()) {
  started_ = session_->winsock.started() && session_->winsock.granted() == MAKEWORD(1, 1);
}

#else

struct SocketLibrary::Session {};

SocketLibrary::SocketLibrary() : started_(true) {}

#endif

SocketLibrary::~SocketLibrary() = default;

}  // namespace platform
